// dynalyt-evaluate FILE: loads a measurement file with the program's own reader, recomputes
// as the program does after a load, and prints what the program would show (the help text
// below says what).

#include "dynalyt/core/MainUnit.h"
#include "platform/Numbers.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kHelp =
    "usage: dynalyt-evaluate FILE\n"
    "\n"
    "Loads a measurement file with Dynalyt's reader (a name ending in \".dym\" in the program's\n"
    "own layout, any other name as a foreign \".knt\" file), recomputes as the program does after\n"
    "a load, and prints what the program would show:\n"
    "  MESSAGE                           each message shown, one a line, CR and LF as \\r and \\n\n"
    "  CELL TAB CELL ...                 the 48 rows of the result table, 12 cells each\n"
    "  kW: ... / Nm: ... / G: ...        the three maximum labels, one a line\n"
    "  LeftAxis MIN MAX STEP             each axis's limits and step, TAB-separated, with a\n"
    "  RightAxis MIN MAX STEP            decimal point and all their digits\n"
    "  BottomAxis MIN MAX STEP\n"
    "\n"
    "Exit status: 0 when the result table was filled; 1 when it was not (a message may say why);\n"
    "2 when the file cannot be opened (its message is then all that is printed) or for a wrong\n"
    "command line.\n";

// Collects the messages; pages and focus mean nothing without a form.
class PrintingActions : public dynalyt::IFormActions {
public:
    void ShowMessage(const QString& text) override { messages.append(text); }
    void ShowError(const QString& text) override { messages.append(text); }
    void ShowPage(dynalyt::Page) override {}
    void FocusEdit(dynalyt::InputEdit) override {}

    QStringList messages;
};

void PrintLine(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

QString ShownControls(QString text)
{
    return text.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
}

void PrintAxis(const char* name, const dynalyt::ChartAxis& axis)
{
    std::fputs(
        platform::FormatC("%s\t%.15g\t%.15g\t%.15g\n", name, axis.Minimum(), axis.Maximum(), axis.Increment())
            .c_str(),
        stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (argc != 2 || argv[1][0] == '-') {
        std::fputs("usage: dynalyt-evaluate FILE (--help says more)\n", stderr);
        return 2;
    }
    QCoreApplication app(argc, argv);
    platform::ResetNumericLocale();
    PrintingActions actions;
    dynalyt::MainUnit unit(actions);
    const bool loaded = unit.LoadMeasurement(QString::fromLocal8Bit(argv[1]));
    const dynalyt::ChainResult result = loaded ? unit.TabsChange() : dynalyt::ChainResult::Failed;
    for (const QString& message : actions.messages)
        PrintLine(ShownControls(message));
    if (!loaded)
        return 2;

    for (int row = 0; row < unit.fMain.a.RowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < unit.fMain.a.ColCount(); ++col)
            cells.append(unit.fMain.a.Cell(col, row));
        PrintLine(cells.join(u'\t'));
    }
    PrintLine(unit.fMain.maxps);
    PrintLine(unit.fMain.maxnm);
    PrintLine(unit.fMain.maxg);
    PrintAxis("LeftAxis", unit.Chart1.LeftAxis);
    PrintAxis("RightAxis", unit.Chart1.RightAxis);
    PrintAxis("BottomAxis", unit.Chart1.BottomAxis);
    return result == dynalyt::ChainResult::Filled ? 0 : 1;
}
