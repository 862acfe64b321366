#pragma once
// The preferences dialog's logic without widgets: the red, green and blue of the colour rows,
// the ranges of the number edits, the unit preset shown and its editing, and what "&Speichern"
// writes. Every operation acts at once on the settings in memory (g_crBackColor, g_crGridColor,
// g_crLineColor, g_nThickness, g_nMaxMileage, g_nMaxConsumption, g_nFuelHistoryDepth, g_presets,
// g_nPresetCount); the switches are plain globals that the dialog sets itself. The dialog shows
// what the model holds after each operation and carries out the verdicts of "Neu" and
// "&Speichern". "A&bbrechen" asks nothing of the model: nothing is written, and the presets
// changed in memory stay for the rest of the run.
//
//     model.OnInitDialog(screen);                          // Prefs.cfg and Defaults.cfg read
//     model.OnPresetSelected(PreferencesModel::kGrid, 12); // "Schwarz" for the grid
//     if (const auto refusal = model.TakeNumber(PreferencesModel::Thickness, text))
//         ...;                                             // its message, then refusal->strShown
//     const PrefsVerdict verdict = model.OnOK();           // written, or the preset to show

#include "oscivo/core/OscivoState.h"
#include "oscivo/core/PrefsFile.h"
#include "platform/WinTypes.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The line whose colour the third colour row edits, 0..11. It keeps its value from one opening
// of the dialog to the next.
extern int g_nPrefLine;

// A number edit's text that is not taken: the message to show, and the text the edit shows then.
struct NumberRefusal {
    UINT nText = 0;
    UINT nCaption = 0;
    std::string strShown;
};

// What "Neu" or "&Speichern" asks of the dialog, in the order the dialog carries it out.
struct PrefsVerdict {
    bool bShowPreset = false; // the edits and the label show the current preset
    UINT nText = 0;           // a message box with this text and caption; 0 for none
    UINT nCaption = 0;
    bool bFocusUnit = false; // the preset shown cannot be kept: the focus goes into its unit
    bool bClose = false;     // both files are written: the dialog ends
};

class PreferencesModel {
public:
    // The colour rows: background, grid, and line g_nPrefLine; components 0 red, 1 green, 2 blue.
    static constexpr int kRows = 3;
    static constexpr int kBack = 0;
    static constexpr int kGrid = 1;
    static constexpr int kLine = 2;

    // The number edits.
    enum Number { Thickness, MaxMileage, MaxConsumption, HistoryDepth };
    static constexpr int kNumbers = 4;

    PreferencesModel() = default;
    PreferencesModel(const PreferencesModel&) = delete;
    PreferencesModel& operator=(const PreferencesModel&) = delete;

    // The colour names from the string table, Prefs.cfg (the window size it holds is checked
    // against screen) and Defaults.cfg, made with the built-in presets when it is missing; the
    // first preset is shown.
    void OnInitDialog(ScreenSize screen);

    // The colours: a component 0..255 of a row, and the row's colour.
    int Component(int row, int component) const;
    COLORREF Colour(int row) const;
    // A trackbar let go at value.
    void OnSliderReleased(int row, int component, int value);
    // A line chosen for the third row; false for an index that is no line.
    bool OnLineSelected(int index);
    // A named colour of g_colorTable chosen for a row; false for an index outside the table.
    bool OnPresetSelected(int row, int index);

    // The numbers: the text an edit shows for its setting, and the text typed into it, taken
    // when it is left. A refused text leaves the setting as it was.
    std::string NumberText(Number number) const;
    std::optional<NumberRefusal> TakeNumber(Number number, std::string_view text);

    // The unit presets: the one shown, and the label "Feld#: i/N" (Windows-1252).
    const Preset& ShownPreset() const { return g_presets[m_nCurPreset]; }
    std::string PresetLabel() const;
    // "+" and "-": true when another preset is shown.
    bool OnNextPreset();
    bool OnPrevPreset();
    // The edits' texts (Windows-1252), taken when they are left. The unit is kept as Defaults.cfg
    // can hold it, and returned for the edit to show; a minimum or maximum that does not read as
    // a number changes nothing.
    std::string OnKillFocusPresetUnit(std::string_view text);
    void OnKillFocusPresetMin(std::string_view text);
    void OnKillFocusPresetMax(std::string_view text);
    // "Neu": a new empty preset after the last one, unless the last one is incomplete (no unit
    // or a maximum of 0) or its minimum is not below its maximum, or all 256 are in use.
    PrefsVerdict OnNewPreset();

    // "&Speichern": the first preset that cannot be kept (no unit, or a minimum not below its
    // maximum) is shown with its message and nothing is written; otherwise Defaults.cfg and
    // Prefs.cfg are written, and a file that cannot be written is reported.
    PrefsVerdict OnOK();

private:
    void SetLineComponent(int component, int line, int value);
    void SetBackGridComponent(int component, int which, int value);
    void SetComponent(int row, int component, int value);
    // The rows' components into the settings.
    void UpdateColours();
    // A preset that cannot be kept as it is becomes the one shown, with the message that says why.
    PrefsVerdict ShowFaultyPreset(int index, UINT text, UINT caption);

    // Red, green and blue of the background (0) and the grid (1), and of each line.
    std::array<std::array<int, 2>, 3> m_nBackGridRgb = {};
    std::array<std::array<int, kScopeSlots>, 3> m_nLineRgb = {};
    int m_nCurPreset = 0; // the preset shown in the preset section
};
