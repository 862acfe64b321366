#pragma once
// The main unit of the power program without its widgets: the program's state (the runs,
// the result rows, the inputs, the import separator), the form's texts and the chart model,
// and every routine that works on them: the computation chain run by TabsChange, the
// measurement and settings files, the CSV log import, and paste into the grids.
//
// The form owns one MainUnit, keeps fMain in step with its widgets, shows Chart1, and
// implements IFormActions for the messages, page switches and focus changes asked of it.
// e_leergewChange runs when the user changes a partial weight; the routines here run it
// themselves where they set one, so the form must not run it again while it only shows
// fMain's new texts in its widgets.
// Dialogs (file choice, overwrite question) stay in the form; it calls these routines with
// the chosen names:
//   load:   LoadMeasurement(name); TabsChange();
//   save:   final = FinalSaveName(chosen); ask about overwriting `final`; TabsChange();
//           SaveMeasurement(final);
//   import: if (ImportSettingsComplete()) { choose file; ImportLogFile(name); }
//   paste:  fMain.m_beschl.Clear(); PasteIntoGrid(fMain.m_beschl, leftCol, topRow, clipboard);
//   start:  ReadSettingsFile(SettingsFileName(program path)); z_trennerChange();

#include "dynalyt/core/ChartModel.h"
#include "dynalyt/core/FormActions.h"
#include "dynalyt/core/FormTexts.h"
#include "dynalyt/core/RunData.h"

#include <QString>

namespace dynalyt {

// How a run of TabsChange's chain ended.
enum class ChainResult {
    Filled,        // table and chart filled
    TooFewSamples, // a run held fewer than 2 samples: table and chart stay cleared, no message
    Failed,        // an arithmetic failure or a refusal of the chart, shown as an error
};

enum class RunQuantity { EngineSpeed, RoadSpeed };

struct FittedLine {
    double intercept = 0;
    double slope = 0;
};

// Message texts of the files and the import.
inline constexpr const char* SaveFailedText = "Messungsdatei kann nicht gespeichert werden.";
inline constexpr const char* OpenFailedText = "Messungsdatei kann nicht geöffnet werden.";
inline constexpr const char* ImportFailedText =
    "Log-Datei prüfen, keine ausreichenden Messwerte oder Spaltenbezeichnung nicht gefunden!\r\r"
    "Import abgebrochen!";

class MainUnit {
public:
    explicit MainUnit(IFormActions& actions);
    MainUnit(const MainUnit&) = delete;
    MainUnit& operator=(const MainUnit&) = delete;

    // --- the form's texts and the diagram
    FormTexts fMain;
    ChartModel Chart1;

    // --- the program's state
    AccelRunArray AccelRun;
    CoastRunArray CoastRun; // ends with the extra point when the grid gave 2 samples or more
    ResultTable ResultRows{};
    double VehicleMass = 1380;  // kg
    double AirPressure = 1013;  // mbar
    double AirTemperature = 20; // °C
    double AirCorrection = 1.0; // factor to standard air
    double TyreRatio = 1.0;     // rolling circumference, fitted to standard tyres
    char ImportSeparator = 0;   // none until the settings choose one

    // --- inputs
    // A partial weight changed: e_gew := the sum of the four, each unreadable one as 0.
    void e_leergewChange();

    // The whole computation: inputs with their silent defaults, the three plausibility checks,
    // the air correction, then the chain below. Shows its messages through the form; an
    // arithmetic failure or a chart refusal is shown as an error and ends the chain there.
    ChainResult TabsChange();

    // --- the chain's steps, in the order TabsChange runs them (they raise DynalytError)
    void ClearResults();
    void ReadRuns();
    void ResampleRun();
    FittedLine FitLine(int first, int last, RunQuantity quantity) const;
    void InterpolateCoastTimes();
    void ComputeEnergyAndPower();
    void SumPower();
    void SmoothPower();
    void CorrectPower();
    void FillResultTable();
    void FillChart();

    // --- measurement files
    // The name a chosen save name is written under: ".dym" appended unless the name ends in
    // ".dym" (in any case). Ask the overwrite question for this name.
    static QString FinalSaveName(const QString& chosen);
    // Writes the inputs and the runs of the last recomputation in the own layout under
    // exactly this name. A failure shows SaveFailedText, leaves no truncated file and
    // returns false.
    bool SaveMeasurement(const QString& fileName);
    // Reads a ".dym" file (own layout) or any other name (foreign layout) into the edits and
    // grids; in a ".dym" file laid out as the program writes it, lines 3 to 16 are the inputs
    // whatever they hold, and every other file is read by its section headers alone. A file
    // that cannot be opened shows OpenFailedText, changes nothing and returns false.
    bool LoadMeasurement(const QString& fileName);

    // --- settings file and import settings
    // The settings file beside the program: its path with ".ini" appended.
    static QString SettingsFileName(const QString& programPath);
    // Fills the import settings and four inputs from the file; a missing file shows
    // "\rKonfigurationsdatei nicht gefunden!".
    void ReadSettingsFile(const QString& fileName);
    // ImportSeparator := the separator of the chosen combo item (unchanged with none chosen).
    void z_trennerChange();
    // The standard import settings: "Komma", "STAMP", " /min", " km/h".
    void zsetzenClick();

    // --- CSV log import
    // False, after showing "Einstellungen prüfen!\r\rImport für Log-Dateien", when no separator
    // is chosen or a column text is empty; the import then does not ask for a file.
    bool ImportSettingsComplete();
    // Reads the log, cuts the two runs into the grids, however short, and recomputes; false
    // (grids unchanged) when the file gave no header or no usable sample. Shows the column
    // messages itself.
    bool ImportLog(const QString& fileName);
    // ImportLog, and on failure ImportFailedText and page ts5, as the import button does.
    bool ImportLogFile(const QString& fileName);

    // --- grids
    // Pastes clipboard text from the cell (leftCol, topRow) on: TAB between cells; CR LF, LF
    // and a lone CR end a line; a last line without a line end is pasted too. Cells outside
    // the grid are dropped; nothing is trimmed or converted.
    static void PasteIntoGrid(TextGrid& grid, int leftCol, int topRow, const QString& text);

private:
    void ReadInputs();
    void CheckInputs();
    void RunChain();

    IFormActions& m_actions;
};

} // namespace dynalyt
