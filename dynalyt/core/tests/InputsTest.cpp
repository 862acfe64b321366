#include "RecordingActions.h"

#include <gtest/gtest.h>

namespace {

using namespace dynalyt;
using dynalyt::testing::UnitFixture;

const QString TemperatureText =
    QString::fromUtf8("Einstellungen prüfen!\r\rTemperatur unplausibel (-30 - 80°C).");
const QString RatioText = QString::fromUtf8(
    "Einstellungen prüfen!\r\rVerhältnis des Reifenabrollumfang zur Serie unplausibel (0.50 - 1.60).");
const QString PressureText =
    QString::fromUtf8("Einstellungen prüfen!\r\rLuftdruck unplausibel (800 - 1100mbar).");

class Inputs : public ::testing::Test, public UnitFixture {};

TEST_F(Inputs, AirCorrectionFromPressureAndTemperature)
{
    struct Case {
        const char* pressure;
        const char* temperature;
        double correction;
    };
    const Case cases[] = {
        {"1000", "25", 1.021855},
        {"1013", "20", 1.000247},
        {"", "", 1.000247},
        {"800", "-30", 1.153503},
    };
    for (const Case& c : cases) {
        Edit(InputEdit::e_luftdr) = c.pressure;
        Edit(InputEdit::e_temp) = c.temperature;
        unit.TabsChange();
        EXPECT_NEAR(unit.AirCorrection, c.correction, 5e-6) << c.pressure << " " << c.temperature;
    }
    EXPECT_TRUE(actions.messages.isEmpty());
}

TEST_F(Inputs, UnreadableInputsTakeTheirDefaultsSilently)
{
    Edit(InputEdit::e_gew) = "1500,5"; // whole numbers only: kept as the program has it
    Edit(InputEdit::e_luftdr) = "abc";
    Edit(InputEdit::e_temp) = "20,5";
    Edit(InputEdit::e_abruv) = "1.2"; // decimal point
    unit.TabsChange();
    EXPECT_EQ(unit.VehicleMass, 1380);
    EXPECT_EQ(unit.AirPressure, 1013);
    EXPECT_EQ(unit.AirTemperature, 20);
    EXPECT_EQ(unit.TyreRatio, 1.0);
    EXPECT_TRUE(actions.calls.isEmpty());
    EXPECT_EQ(Edit(InputEdit::e_gew), "1500,5"); // the edits are not corrected

    Edit(InputEdit::e_gew) = "-1500";
    Edit(InputEdit::e_abruv) = "1,25";
    unit.TabsChange();
    EXPECT_EQ(unit.VehicleMass, -1500);
    EXPECT_EQ(unit.TyreRatio, 1.25);
}

TEST_F(Inputs, PlausibilityBoundsPassAndTheStepBeyondIsReported)
{
    struct Case {
        InputEdit edit;
        const char* text;
        bool plausible;
    };
    const Case cases[] = {
        {InputEdit::e_temp, "80", true},     {InputEdit::e_temp, "-30", true},
        {InputEdit::e_temp, "81", false},    {InputEdit::e_temp, "-31", false},
        {InputEdit::e_abruv, "0,5", true},   {InputEdit::e_abruv, "1,6", true},
        {InputEdit::e_abruv, "1,61", false}, {InputEdit::e_abruv, "0,49", false},
        {InputEdit::e_luftdr, "800", true},  {InputEdit::e_luftdr, "1100", true},
        {InputEdit::e_luftdr, "799", false}, {InputEdit::e_luftdr, "1101", false},
    };
    for (const Case& c : cases) {
        UnitFixture f;
        f.Edit(c.edit) = c.text;
        f.unit.TabsChange();
        EXPECT_EQ(f.actions.messages.isEmpty(), c.plausible) << c.text;
        if (!c.plausible) {
            EXPECT_EQ(f.actions.calls.value(1), "page:0");
            EXPECT_EQ(f.actions.calls.value(2), QStringLiteral("focus:%1").arg(static_cast<int>(c.edit)));
        }
    }
}

TEST_F(Inputs, AllThreeImplausibleComeInOrderAndTheReplacedValuesAreUsed)
{
    Edit(InputEdit::e_temp) = "81";
    Edit(InputEdit::e_abruv) = "1,61";
    Edit(InputEdit::e_luftdr) = "799";
    unit.TabsChange();
    const QStringList expected = {
        "message:" + TemperatureText,
        "page:0",
        QStringLiteral("focus:%1").arg(static_cast<int>(InputEdit::e_temp)),
        "message:" + RatioText,
        "page:0",
        QStringLiteral("focus:%1").arg(static_cast<int>(InputEdit::e_abruv)),
        "message:" + PressureText,
        "page:0",
        QStringLiteral("focus:%1").arg(static_cast<int>(InputEdit::e_luftdr)),
    };
    EXPECT_EQ(actions.calls, expected);
    EXPECT_EQ(unit.AirTemperature, 20);
    EXPECT_EQ(unit.TyreRatio, 1.0);
    EXPECT_EQ(unit.AirCorrection, 1.0);
    EXPECT_EQ(unit.AirPressure, 799);
    EXPECT_EQ(Edit(InputEdit::e_temp), "81");

    // The texts stay, so the messages come again at the next call.
    actions.Clear();
    unit.TabsChange();
    EXPECT_EQ(actions.messages.size(), 3);
}

TEST_F(Inputs, PressureOutOfRangeGivesCorrectionOneWhateverTheTemperature)
{
    Edit(InputEdit::e_luftdr) = "799";
    Edit(InputEdit::e_temp) = "-30";
    unit.AirCorrection = 0.5;
    unit.TabsChange();
    EXPECT_EQ(unit.AirCorrection, 1.0);
    EXPECT_EQ(actions.messages, QStringList{PressureText});
}

TEST_F(Inputs, PartialWeightsEachCountOnTheirOwn)
{
    struct Case {
        const char* leer;
        const char* insassen;
        const char* kraftstoff;
        const char* sonst;
        const char* sum;
    };
    const Case cases[] = {
        {"1200", "80", "40", "10", "1330"}, {"", "80", "40", "10", "130"},
        {"1200", "", "40", "10", "1250"},   {"1200", "80", "x", "10", "1290"},
        {"1200,4", "80,2", "", "", "1281"}, {"", "", "", "", "0"},
        {"1200", "80.5", "40", "", "1240"}, {"1200,5", "", "", "", "1201"},
    };
    for (const Case& c : cases) {
        Edit(InputEdit::e_leergew) = c.leer;
        Edit(InputEdit::e_insassengew) = c.insassen;
        Edit(InputEdit::e_kraftstoffgew) = c.kraftstoff;
        Edit(InputEdit::e_sonstgew) = c.sonst;
        unit.e_leergewChange();
        EXPECT_EQ(Edit(InputEdit::e_gew), c.sum) << c.leer << "|" << c.insassen << "|" << c.kraftstoff;
    }
    EXPECT_TRUE(actions.calls.isEmpty());

    // A sum beyond a double is an arithmetic error: shown with the error sign, the weight kept.
    const QString kept = Edit(InputEdit::e_gew);
    Edit(InputEdit::e_leergew) = "1e308";
    Edit(InputEdit::e_insassengew) = "1e308";
    unit.e_leergewChange();
    EXPECT_EQ(Edit(InputEdit::e_gew), kept);
    EXPECT_EQ(actions.calls, QStringList{QString::fromUtf8("error:Gleitkommaüberlauf")});
}

} // namespace
