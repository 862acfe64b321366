#include "dynalyt/core/NumberFormat.h"

#include "RecordingActions.h"
#include "TempFiles.h"

#include <QString>

#include <clocale>
#include <gtest/gtest.h>

namespace {

using dynalyt::DecimalFormat;
using dynalyt::NumberFormat;

// Every conversion must come out the same under a locale with a decimal point and under one
// with a decimal comma.
class NumberFormatUnderLocale : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr)
            << "locale " << GetParam() << " cannot be set; scripts/setup generates de_DE.UTF-8";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_P(NumberFormatUnderLocale, ReadsOnlyTheDecimalComma)
{
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"1,05", 1.05},
        {"-12,5", -12.5},
        {" 3 ", 3.0},
        {"1500", 1500.0},
        {"2,5E3", 2500.0},
        {"1.05", {}},
        {"1.2", {}},
        {"", {}},
        {",", {}},
        {"inf", {}},
        {"nan", {}},
        {"0x10", {}},
        {"1.000,5", {}},
        {"12abc", {}},
        {"1,0,0", {}},
        {"+0,5", 0.5},
        {"1e400", 1.7976931348623157e308},
        {"ä1", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumberFormat.StrToFloat(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST_P(NumberFormatUnderLocale, ReadsWholeNumbersAsDigitsWithASign)
{
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"1380", 1380},
        {"-30", -30},
        {"+20", 20},
        {"1500,5", {}},
        {"", {}},
        {" 1013", 1013},
        {"1013 ", 1013},
        {"1 013", {}},
        {"-", {}},
        {"0x10", {}},
        {"1e3", {}},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", {}},
        {"99999999999999999999", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecimalFormat::StrToInt(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST_P(NumberFormatUnderLocale, PrintsFixedPatternsWithHalvesAwayFromZero)
{
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {12.345678, 2, "12,35"}, {0.125, 2, "0,13"},    {-0.125, 2, "-0,13"},
        {2.5, 0, "3"},           {-2.5, 0, "-3"},       {3500, 1, "3500,0"},
        {0.05, 1, "0,1"},        {-0.001, 2, "0,00"},   {-0.4, 0, "0"},
        {0, 2, "0,00"},          {96450.6, 0, "96451"}, {1e15, 2, "1000000000000000,00"},
        {0.004999, 2, "0,00"},   {163.2, 2, "163,20"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumberFormat.FormatFloat(c.value, c.decimals).toStdString(), c.text) << c.value;
}

TEST_P(NumberFormatUnderLocale, ChainAndFileAreTheSame)
{
    dynalyt::testing::UnitFixture f;
    f.Edit(dynalyt::InputEdit::e_abruv) = "1,2";
    f.Edit(dynalyt::InputEdit::e_gew) = "1000";
    f.FillGrid(f.unit.fMain.m_beschl, {"1,5;2000;36", "2;3000;39,6"});
    f.FillGrid(f.unit.fMain.m_ausr, {"0;100", "10;30"});
    ASSERT_EQ(f.unit.TabsChange(), dynalyt::ChainResult::Filled);
    EXPECT_EQ(f.unit.TyreRatio, 1.2);
    EXPECT_EQ(f.unit.fMain.a.Cell(0, 47), "39,60");
    EXPECT_EQ(f.unit.fMain.a.Cell(1, 1), "1,51");
    dynalyt::testing::TempFiles files;
    ASSERT_TRUE(f.unit.SaveMeasurement(files.Path("l.dym")));
    EXPECT_TRUE(files.Read("l.dym").contains("1,50\t2000,0\t36,00\r\n2,00\t3000,0\t39,60\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Locales, NumberFormatUnderLocale, ::testing::Values("C", "de_DE.UTF-8"));

} // namespace
