#include "RecordingActions.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

using namespace dynalyt;

QStringList Rows(const TextGrid& grid, int count)
{
    QStringList rows;
    for (int row = 0; row < count; ++row) {
        QStringList cells;
        for (int col = 0; col < grid.ColCount(); ++col)
            cells.append(grid.Cell(col, row));
        rows.append(cells.join(u';'));
    }
    return rows;
}

TEST(Paste, LinesAndCellsFromTheSelectedCellOn)
{
    struct Case {
        const char* text;
        int col, row;
        QStringList rows; // the first rows of the 3-column grid afterwards
    };
    const Case cases[] = {
        {"1\t2000\t50\r\n2\t2500\t60\r\n3\t3000\t70\r\n",
         0,
         0,
         {"1;2000;50", "2;2500;60", "3;3000;70", ";;"}},
        {"1\t2\t3\r\n4\t5\t6\r\n", 1, 1, {";;", ";1;2", ";4;5", ";;"}},
        {"1\t2\n3\t4\n", 0, 0, {"1;2;", "3;4;", ";;", ";;"}},
        {"1\t2\r3\t4\r", 0, 0, {"1;2;", "3;4;", ";;", ";;"}},
        {"1\t2\r\n3\t4", 0, 0, {"1;2;", "3;4;", ";;", ";;"}},     // a last line without a line end
        {"1\r\n\r\n3\r\n", 0, 0, {"1;;", ";;", "3;;", ";;"}},     // an empty line leaves its row empty
        {"12.5\t 7 \r\n", 0, 0, {"12.5; 7 ;", ";;", ";;", ";;"}}, // nothing trimmed or converted
        {"", 0, 0, {";;", ";;", ";;", ";;"}},
    };
    for (const Case& c : cases) {
        TextGrid grid(3, GridRows);
        MainUnit::PasteIntoGrid(grid, c.col, c.row, QString::fromUtf8(c.text));
        EXPECT_EQ(Rows(grid, 4), c.rows) << c.text;
    }
}

TEST(Paste, RowsPastTheGridAreDropped)
{
    TextGrid grid(2, GridRows);
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QStringLiteral("%1\t%2\r\n").arg(i).arg(i * 2);
    MainUnit::PasteIntoGrid(grid, 0, 250, text);
    EXPECT_EQ(grid.Cell(0, 255), "5");
    EXPECT_EQ(grid.Cell(1, 255), "10");
    EXPECT_EQ(grid.Cell(0, 249), "");
}

TEST(Paste, ALongTextIsPastedInOnePass)
{
    // A column copied from a long log: many lines without a TAB, one TAB at the very end.
    // Looking for the TAB beyond each line's end made this take minutes.
    QString text;
    for (int i = 0; i < 200000; ++i)
        text += QStringLiteral("12345\r\n");
    text += u'\t';
    TextGrid grid(3, GridRows);
    QElapsedTimer timer;
    timer.start();
    MainUnit::PasteIntoGrid(grid, 0, 0, text);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(grid.Cell(0, 255), "12345");
    EXPECT_EQ(grid.Cell(1, 255), "");
}

TEST(Paste, PastedTextIsUsedByTheNextRecomputationOnly)
{
    dynalyt::testing::UnitFixture f;
    TextGrid& accel = f.unit.fMain.m_beschl;
    MainUnit::PasteIntoGrid(accel, 0, 0, "1\t2000\t50\r\n2\t3000\t12.5\r\n3\t4000\t70\r\n");
    MainUnit::PasteIntoGrid(f.unit.fMain.m_ausr, 0, 0, "0\t100\r\n10\t90\r\n");
    EXPECT_TRUE(f.unit.AccelRun.empty());
    EXPECT_EQ(f.unit.TabsChange(), ChainResult::Filled);
    EXPECT_EQ(f.unit.AccelRun.size(), 2u); // 12.5 with its decimal point drops its row
}

} // namespace
