#pragma once
// Oscivo's preferences dialog (dialog 159, "Einstellungen"): the colours of the scope background,
// the grid and the twelve lines, the playback and label switches, the line thickness, the two
// fuel-economy meter scales, the averaging depth, and the unit presets.
//
// Every control acts at once on the settings in memory, through PreferencesModel, which holds
// the dialog's logic; the switches set g_bAutorun, g_bShowUnits, g_bShowZeros and
// g_bSaveWindowSize themselves. "&Speichern" writes Defaults.cfg and Prefs.cfg in the scaling
// folder below g_szBaseDir (set by SetBaseDir at start-up) and closes the dialog; "A&bbrechen"
// writes nothing.
//
// The main dialog opens it from its menu and, whatever it ends with, reads Prefs.cfg again and
// applies what the scope and the meters show, so that a cancelled dialog leaves the file's
// settings in force (the presets changed in memory stay for the rest of the run):
//
//     Preferences prefs(this, AvailableScreen(), ButtonIcon(IDI_SLOWER), ButtonIcon(IDI_FASTER));
//     prefs.exec();
//     LoadPrefs(AvailableScreen());
//     ApplyPreferences(); // trace colours (and so the pen width), meter needles and backgrounds,
//                         // the fuel meters' scales, the scope's background and grid colours

#include "oscivo/core/PreferencesModel.h"
#include "platform/WinTypes.h"

#include <QDialog>
#include <QIcon>

#include <array>

class CColorFrameCtrl;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

class Preferences : public QDialog {
    Q_OBJECT

public:
    enum : UINT {
        IDD = 159,
        // The colour rows: component edits R, G, B of the background, the grid and the line
        IDC_BACK_RED = 1203,
        IDC_GRID_RED = 1206,
        IDC_LINE_RED = 1209,
        IDC_PRESET_LABEL = 1212, // "Feld#: i/N"
        IDC_GRID_PREVIEW = 1213,
        IDC_LINE_PREVIEW = 1214,
        IDC_BACK_PREVIEW = 1215,
        IDC_LINE_CHOICE = 1225, // Linie 1 .. Linie 12
        IDC_BACK_COLOUR = 1226, // the colour-preset combos of the three rows
        IDC_GRID_COLOUR = 1227,
        IDC_LINE_COLOUR = 1228,
        IDC_AUTORUN = 1229,
        IDC_SHOW_UNITS = 1230,
        IDC_SHOW_ZEROS = 1231,
        IDC_PRESET_UNIT = 1232,
        IDC_SAVE_WINDOW_SIZE = 1233,
        IDC_THICKNESS = 1234,
        IDC_MAX_MILEAGE = 1235,
        IDC_MAX_CONSUMPTION = 1236,
        IDC_HISTORY_DEPTH = 1237,
        IDC_PRESET_MIN = 1054,
        IDC_PRESET_MAX = 1055,
        IDC_PRESET_NEXT = 1097, // "+"
        IDC_PRESET_PREV = 1098, // "-"
        IDC_PRESET_NEW = 1200,  // "Neu"
    };

    // The colour rows, and the trackbars of each: red, green and blue.
    static constexpr int kRows = PreferencesModel::kRows; // background, grid, line g_nPrefLine
    static constexpr std::array<std::array<UINT, 3>, kRows> kSliderIds = {
        {{1216, 1218, 1220}, {1217, 1219, 1221}, {1222, 1223, 1224}}};

    // Reads Prefs.cfg (the window size it holds is checked against screen) and Defaults.cfg,
    // making the built-in presets when Defaults.cfg is missing. The "-" and "+" buttons show the
    // icons given, or their texts when an icon is empty.
    Preferences(QWidget* parent, ScreenSize screen, const QIcon& prevIcon = QIcon(),
                const QIcon& nextIcon = QIcon());
    ~Preferences() override;
    Preferences(const Preferences&) = delete;
    Preferences& operator=(const Preferences&) = delete;

    // The control with that number, or nullptr.
    QWidget* GetDlgItem(UINT id) const;

private:
    // "&Speichern": the edit that has the focus takes its text first (a click on the button
    // leaves the focus there, and Return does not leave it); when it refuses it, the dialog
    // stays open. Then the model checks the presets and writes the files, and the dialog ends
    // or shows what stands in the way.
    void OnOK();

    // Building the controls (PreferencesControls.cpp)
    void BuildControls(const QIcon& prevIcon, const QIcon& nextIcon);
    QWidget* BuildColours();
    QWidget* BuildPresets(const QIcon& prevIcon, const QIcon& nextIcon);
    QWidget* BuildMiscellaneous();
    QWidget* BuildFuelEconomy();
    QLineEdit* AddComponentEdit(UINT id);
    // An edit whose text is taken when it is left, with its label in front, in a row of a grid.
    QLineEdit* AddCheckedEdit(QGridLayout* grid, int row, const char* label, UINT id, int columns = 1);

    void OnInitDialog(ScreenSize screen);
    void FillCombos();
    void ShowSettings();
    void CreatePreviews();
    void InitSliders();

    // The colours
    void ShowColours(); // the previews and the component edits
    void MoveSliders(int row);
    void OnSliderReleased(int row, int component);
    void OnLineSelected(int index);
    void OnPresetSelected(int row, int index);

    // The switches and numbers
    void OnSwitchClicked(QCheckBox* box, BOOL& setting);
    // An edit left for another control is taken once the event that moved the focus is done: a
    // message box shown in the middle of a mouse press would leave the pressed control stuck.
    void LeaveLater(QLineEdit* edit);
    bool TakePendingLeave(); // false when the edit refused its text
    // The edit just left and the one that has the focus, taken before a button acts on the
    // values; false when one of them refused its text.
    bool TakeEditsFirst();
    // Takes an edit's text as a user leaving it; false when the edit refused it.
    bool LeaveEdit(QLineEdit* edit);
    bool TakeNumber(QLineEdit* edit);
    void ShowMessage(UINT text, UINT caption);

    // The unit presets
    void ShowPreset(); // the model's
    void OnKillFocusPresetUnit();
    void OnNextPreset();
    void OnPrevPreset();
    void OnNewPreset();
    void CarryOut(const PrefsVerdict& verdict);

    PreferencesModel m_model;

    // Children of the dialog, owned by it.
    std::array<std::array<QLineEdit*, 3>, kRows> m_componentEdit = {};
    std::array<std::array<QSlider*, 3>, kRows> m_slider = {};
    std::array<QWidget*, kRows> m_previewStatic = {};
    std::array<CColorFrameCtrl*, kRows> m_framePreview = {};
    std::array<QComboBox*, kRows> m_colourCombo = {};
    QComboBox* m_lineCombo = nullptr;
    QLineEdit* m_editUnit = nullptr;
    QLineEdit* m_editMin = nullptr;
    QLineEdit* m_editMax = nullptr;
    QLabel* m_presetLabel = nullptr;
    QCheckBox* m_checkAutorun = nullptr;
    QCheckBox* m_checkShowUnits = nullptr;
    QCheckBox* m_checkShowZeros = nullptr;
    QCheckBox* m_checkSaveWindowSize = nullptr;
    std::array<QLineEdit*, PreferencesModel::kNumbers> m_numberEdit = {}; // by PreferencesModel::Number

    QLineEdit* m_pendingLeave = nullptr; // left, its text not taken yet
    bool m_bLeaving = false;             // an edit's text is being taken: its message box takes the focus
};
