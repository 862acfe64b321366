// dynalyt-evaluate FILE: loads a measurement file with the program's own reader, recomputes
// as the program does after a load, and prints what the program would show: each message,
// the 48 rows of the result grid (cells separated by TAB), the three maximum labels and the
// minimum, maximum and step of the left, right and bottom axes.
// Exit status: 0 the table was filled, 1 it was not, 2 the file could not be read.

#include "dynalyt/core/MainUnit.h"
#include "platform/Numbers.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

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
    QCoreApplication app(argc, argv);
    platform::ResetNumericLocale();
    if (argc != 2) {
        std::fputs("usage: dynalyt-evaluate FILE\n", stderr);
        return 2;
    }
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
