#pragma once
// The main form as a user meets it, in a directory of its own: a settings file beside the
// "program", recorders in place of the person at message boxes and file dialogs, of the
// desktop shell and of the printer; and a measurement that looks like a real one.

#include "dynalyt/core/RunData.h"
#include "dynalyt/ui/TfMain.h"
#include "platform/testing/PdfDefaultPrinter.h"
#include "platform/testing/Recorders.h"
#include "platform/testing/RecordingMessageBox.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace dynalyt::testing {

// A car of 1380 kg pulling through from 1500 to 6500 1/min, then coasting down.
struct Measurement {
    AccelRunArray accel;
    CoastRunArray coast;
};
Measurement RealisticMeasurement();

// Spreadsheet cells: TAB between cells, CR LF after each row, decimal comma.
QString CellsText(const AccelRunArray& run);
QString CellsText(const CoastRunArray& run);
// A host log of the standard form with the measurement's samples (decimal points).
QByteArray HostLog(const Measurement& m);

class FormFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString Path(const QString& name) const { return dir.filePath(name); }
    // Standard import settings and vehicle inputs, as the settings file gives them.
    void WriteSettingsFile();
    void CreateForm();

    // As the user does it: a click on the page's tab.
    void ClickTab(Page page);
    // Types into one cell; the editor stays open unless `commit` presses Enter.
    void TypeCell(TStringGrid* grid, int col, int row, const QString& text, bool commit = true);
    // Types into an edit.
    void TypeEdit(QLineEdit* edit, const QString& text);
    // Puts the text on the clipboard, selects the grid's cell (col, row) and presses the button.
    void PasteInto(TStringGrid* grid, QPushButton* button, const QString& text, int col = 0, int row = 0);
    // Both runs of the realistic measurement pasted into the grids.
    void PasteMeasurement();

    QTemporaryDir dir;
    platform::RecordingMessageBox boxes;
    platform::RecordingFileDialog dialogs;
    platform::RecordingShell shell;
    std::unique_ptr<platform::PdfDefaultPrinter> printer;
    std::unique_ptr<TfMain> form;
};

} // namespace dynalyt::testing
