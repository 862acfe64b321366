// The preferences dialog's logic without a window, on real Prefs.cfg and Defaults.cfg files in a
// start-up directory of its own.

#include "oscivo/core/PreferencesModel.h"

#include "CoreFixture.h"
#include "PrefsSamples.h"
#include "oscivo/core/ScalingFile.h"
#include "platform/ColourValues.h"
#include "platform/Numbers.h"
#include "platform/StringTable.h"

#include <string>

using namespace prefssamples;

namespace {

using Model = PreferencesModel;

std::string Components(const PreferencesModel& prefs, int row)
{
    return platform::FormatC("%d,%d,%d", prefs.Component(row, 0), prefs.Component(row, 1),
                             prefs.Component(row, 2));
}

std::string Text(UINT id)
{
    return ResStr(id).toStdString();
}

// The message of a refused number, with its caption; "" for a number taken.
std::string Refused(const std::optional<NumberRefusal>& refusal)
{
    return refusal ? Text(refusal->nText) + " / " + Text(refusal->nCaption) : "";
}

const std::string kIncomplete = "Bitte Eingabe vervollständigen! / Fehler";
const std::string kNotAbove = "Max.Wert muss größer als Min.Wert sein. / Doh! ;-)";

} // namespace

class PreferencesModelTest : public CoreTest {
protected:
    PreferencesModelTest() { g_nPrefLine = 0; }

    void Open() { prefs.OnInitDialog(kScreen); }

    // What the dialog does with a verdict, in words: the preset it shows, the message and its
    // caption, "focus" into the unit, "close".
    std::string Carried(const PrefsVerdict& verdict) const
    {
        std::string said;
        auto add = [&said](const std::string& part) { said += (said.empty() ? "" : "; ") + part; };
        if (verdict.bShowPreset)
            add("show " + prefs.PresetLabel());
        if (verdict.nText)
            add(Text(verdict.nText) + " / " + Text(verdict.nCaption));
        if (verdict.bFocusUnit)
            add("focus");
        if (verdict.bClose)
            add("close");
        return said;
    }

    PreferencesModel prefs;
};

TEST_F(PreferencesModelTest, OpeningReadsTheFilesSettingsAndPresets)
{
    WriteFile("Scaling/Prefs.cfg", kPrefs);
    WriteFile("Scaling/Defaults.cfg", kDefaults);
    Open();

    EXPECT_EQ(Components(prefs, Model::kBack), "48,32,16");
    EXPECT_EQ(Components(prefs, Model::kGrid), "96,80,64");
    EXPECT_EQ(Components(prefs, Model::kLine), "255,0,0");
    EXPECT_EQ(prefs.Colour(Model::kBack), 0x102030u);
    EXPECT_EQ(prefs.Colour(Model::kGrid), 0x405060u);
    EXPECT_EQ(prefs.Colour(Model::kLine), 0x0000FFu);
    EXPECT_EQ(g_colorTable[1].name, "Hellgr\xFCn");
    EXPECT_EQ(g_colorTable[13].name, "Weiss");
    EXPECT_EQ(prefs.NumberText(Model::Thickness), "2");
    EXPECT_EQ(prefs.NumberText(Model::MaxMileage), "70");
    EXPECT_EQ(prefs.NumberText(Model::MaxConsumption), "30");
    EXPECT_EQ(prefs.NumberText(Model::HistoryDepth), "5");

    // The presets: "+" stops at the third, "-" at the first.
    EXPECT_EQ(prefs.PresetLabel(), "Feld#: 1/3");
    EXPECT_EQ(prefs.ShownPreset().unit, "km/h");
    EXPECT_EQ(prefs.ShownPreset().max, 250);
    const struct {
        bool next; // "+", else "-"
        bool moved;
        const char* label;
        const char* unit;
        int max;
    } paging[] = {
        {true, true, "Feld#: 2/3", "V", 20},       {true, true, "Feld#: 3/3", "/min", 6000},
        {true, false, "Feld#: 3/3", "/min", 6000}, {false, true, "Feld#: 2/3", "V", 20},
        {false, true, "Feld#: 1/3", "km/h", 250},  {false, false, "Feld#: 1/3", "km/h", 250},
    };
    for (const auto& page : paging) {
        SCOPED_TRACE(page.label);
        EXPECT_EQ(page.next ? prefs.OnNextPreset() : prefs.OnPrevPreset(), page.moved);
        EXPECT_EQ(prefs.PresetLabel(), page.label);
        EXPECT_EQ(prefs.ShownPreset().unit, page.unit);
        EXPECT_EQ(prefs.ShownPreset().max, page.max);
    }
}

TEST_F(PreferencesModelTest, WithoutFilesTheDefaultsHoldAndTheBuiltInPresetsAreWritten)
{
    Open();
    EXPECT_EQ(Components(prefs, Model::kBack), "0,0,0");
    EXPECT_EQ(Components(prefs, Model::kGrid), "255,255,255");
    EXPECT_EQ(prefs.NumberText(Model::MaxMileage), "60");
    EXPECT_EQ(g_bAutorun, TRUE);
    EXPECT_EQ(prefs.PresetLabel(), "Feld#: 1/10");
    EXPECT_EQ(prefs.ShownPreset().unit, "/min");
    EXPECT_NE(ReadFile("Scaling/Defaults.cfg")
                  .find("V,0,20,\r\n\xB0"
                        "C,-10,120,\r\nmg/R,0,1500,\r\n"),
              std::string::npos);
    EXPECT_EQ(ReadFile("Scaling/Prefs.cfg"), "<missing>");
}

TEST_F(PreferencesModelTest, NamedColoursAndTrackbarsSetTheRowsColour)
{
    WriteFile("Scaling/Prefs.cfg", kPrefs);
    Open();

    // One step after the other; each row's colour is its setting.
    enum Act { Named, Trackbar, Line };
    const struct {
        const char* what;
        Act act;
        int row;
        int index;     // the named colour, the component or the line
        int value = 0; // the trackbar's
        COLORREF colour;
        const char* components;
    } steps[] = {
        {"Schwarz for the grid", Named, Model::kGrid, 12, 0, 0x000000, "0,0,0"},
        {"the grid's green trackbar", Trackbar, Model::kGrid, 1, 200, RGB(0, 200, 0), "0,200,0"},
        {"the background's blue trackbar", Trackbar, Model::kBack, 2, 17, 0x112030, "48,32,17"},
        {"line 5 chosen", Line, Model::kLine, 4, 0, 0xA0B0C0, "192,176,160"},
        {"Hellgelb for line 5", Named, Model::kLine, 3, 0, RGB(192, 192, 255), "192,192,255"},
    };
    const COLORREF* const settings[] = {&g_crBackColor, &g_crGridColor, nullptr};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.act == Named)
            EXPECT_TRUE(prefs.OnPresetSelected(step.row, step.index));
        else if (step.act == Trackbar)
            prefs.OnSliderReleased(step.row, step.index, step.value);
        else
            EXPECT_TRUE(prefs.OnLineSelected(step.index));
        const COLORREF* setting = settings[step.row] ? settings[step.row] : &g_crLineColor[g_nPrefLine];
        EXPECT_EQ(*setting, step.colour);
        EXPECT_EQ(prefs.Colour(step.row), step.colour);
        EXPECT_EQ(Components(prefs, step.row), step.components);
    }
    EXPECT_EQ(g_nPrefLine, 4);
    EXPECT_EQ(g_crLineColor[0], 0xFFu); // line 1 keeps its colour

    // An index outside the colour table or the line list changes nothing.
    for (const int index : {-1, 14, 99}) {
        SCOPED_TRACE(index);
        EXPECT_FALSE(prefs.OnPresetSelected(Model::kBack, index));
        EXPECT_FALSE(prefs.OnLineSelected(index));
        EXPECT_EQ(g_crBackColor, 0x112030u);
        EXPECT_EQ(g_nPrefLine, 4);
    }
}

TEST_F(PreferencesModelTest, TheLineEditedLastIsEditedAtTheNextOpening)
{
    Open();
    EXPECT_TRUE(prefs.OnLineSelected(6));

    PreferencesModel next;
    next.OnInitDialog(kScreen);
    EXPECT_EQ(Components(next, Model::kLine), "0,160,0"); // "Dk.Grün", line 7's default
    EXPECT_TRUE(next.OnPresetSelected(Model::kLine, 13));
    EXPECT_EQ(g_crLineColor[6], 0xFFFFFFu);
    EXPECT_EQ(g_crLineColor[0], 0x0000FFu);
}

TEST_F(PreferencesModelTest, NumbersTakeValuesInRangeAndRefuseOthers)
{
    const std::string thickness = "Bitte eine ganze Zahl zwischen 0 und 10 eingeben. / Falscher Wert";
    const std::string meter = "Bitte eine ganze Zahl zwischen 1 und 1000 eingeben. / Falscher Wert";
    const std::string depth = "Bitte eine ganze Zahl zwischen 1 und 20 eingeben. / Falscher Wert";
    const struct {
        Model::Number number;
        const char* typed;
        std::string message; // "": taken without a message
        const char* shownAfter;
        int& setting;
        int valueAfter;
    } cases[] = {
        {Model::Thickness, "7", "", "", g_nThickness, 7},
        {Model::Thickness, "15", thickness, "0", g_nThickness, 2},
        {Model::Thickness, "-1", thickness, "0", g_nThickness, 2},
        {Model::Thickness, "dick", "", "", g_nThickness, 2},
        {Model::MaxMileage, "1000", "", "", g_nMaxMileage, 1000},
        {Model::MaxMileage, "0", meter, "70", g_nMaxMileage, 70},
        {Model::MaxMileage, "viel", meter, "70", g_nMaxMileage, 70},
        {Model::MaxConsumption, "1", "", "", g_nMaxConsumption, 1},
        {Model::MaxConsumption, "1001", meter, "30", g_nMaxConsumption, 30},
        {Model::HistoryDepth, "20", "", "", g_nFuelHistoryDepth, 20},
        {Model::HistoryDepth, "0", depth, "5", g_nFuelHistoryDepth, 5},
        {Model::HistoryDepth, "", depth, "5", g_nFuelHistoryDepth, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " in edit " + std::to_string(c.number));
        Restart();
        WriteFile("Scaling/Prefs.cfg", kPrefs);
        Open();
        const auto refusal = prefs.TakeNumber(c.number, c.typed);
        EXPECT_EQ(Refused(refusal), c.message);
        EXPECT_EQ(c.setting, c.valueAfter);
        if (refusal) {
            EXPECT_EQ(refusal->strShown, c.shownAfter);
        }
    }
}

TEST_F(PreferencesModelTest, PresetEditsChangeTheShownPresetAsDefaultsCfgCanKeepIt)
{
    WriteFile("Scaling/Defaults.cfg", kDefaults);
    Open();
    EXPECT_TRUE(prefs.OnNextPreset());
    EXPECT_EQ(prefs.OnKillFocusPresetUnit("a,b,cdefghijklmnopq"), "abcdefghijklmno");
    EXPECT_EQ(prefs.ShownPreset().unit, "abcdefghijklmno");
    prefs.OnKillFocusPresetUnit("\xB0"
                                "C");
    EXPECT_EQ(g_presets[1].unit, "\xB0"
                                 "C");
    prefs.OnKillFocusPresetMin("-20");
    prefs.OnKillFocusPresetMax("viel");
    EXPECT_EQ(g_presets[1].min, -20);
    EXPECT_EQ(g_presets[1].max, 20);
    EXPECT_EQ(g_presets[0].unit, "km/h");
}

TEST_F(PreferencesModelTest, NeuAddsAnEmptyPresetOnlyAfterACompleteOne)
{
    WriteFile("Scaling/Defaults.cfg", kDefaults);
    Open();
    EXPECT_EQ(Carried(prefs.OnNewPreset()), "show Feld#: 4/4");
    EXPECT_EQ(g_nPresetCount, 4);
    EXPECT_EQ(prefs.ShownPreset().unit, "");
    EXPECT_EQ(prefs.ShownPreset().min, 0);
    EXPECT_EQ(prefs.ShownPreset().max, 0);

    // Neu again at once: the new preset is incomplete.
    EXPECT_EQ(Carried(prefs.OnNewPreset()), "show Feld#: 4/4; " + kIncomplete + "; focus");
    EXPECT_EQ(g_nPresetCount, 4);

    // From the preset before it, Neu shows the incomplete one, and the edits then change that one.
    EXPECT_TRUE(prefs.OnPrevPreset());
    EXPECT_EQ(Carried(prefs.OnNewPreset()), "show Feld#: 4/4; " + kIncomplete + "; focus");
    prefs.OnKillFocusPresetUnit("bar");
    prefs.OnKillFocusPresetMin("5");
    prefs.OnKillFocusPresetMax("5");
    EXPECT_EQ(g_presets[2].unit, "/min");
    EXPECT_EQ(g_presets[3].unit, "bar");

    EXPECT_EQ(Carried(prefs.OnNewPreset()), "show Feld#: 4/4; " + kNotAbove + "; focus");
    EXPECT_EQ(g_nPresetCount, 4);

    prefs.OnKillFocusPresetMax("9");
    EXPECT_EQ(Carried(prefs.OnNewPreset()), "show Feld#: 5/5");
    EXPECT_EQ(g_nPresetCount, 5);
}

TEST_F(PreferencesModelTest, NeuStartsTheFirstPresetAndStopsAtTheLast)
{
    WriteFile("Scaling/Defaults.cfg", "");
    Open();
    EXPECT_EQ(g_nPresetCount, 0);
    EXPECT_EQ(Carried(prefs.OnNewPreset()), "show Feld#: 1/1");
    EXPECT_EQ(g_nPresetCount, 1);

    std::string full;
    for (int i = 0; i < kMaxPresets; ++i)
        full += platform::FormatC("u%d,0,%d,\r\n", i, i + 1);
    WriteFile("Scaling/Defaults.cfg", full);
    Open();
    EXPECT_EQ(Carried(prefs.OnNewPreset()), "Mehr als 256 Voreinstellungen sind nicht möglich. / Fehler");
    EXPECT_EQ(g_nPresetCount, kMaxPresets);
    EXPECT_EQ(prefs.PresetLabel(), "Feld#: 1/256");
}

TEST_F(PreferencesModelTest, OnlySpeichernWritesAndItWritesBothFiles)
{
    WriteFile("Scaling/Prefs.cfg", kPrefs);
    WriteFile("Scaling/Defaults.cfg", kDefaults);
    Open();
    EXPECT_TRUE(prefs.OnPresetSelected(Model::kBack, 0));
    EXPECT_FALSE(prefs.TakeNumber(Model::Thickness, "4"));
    prefs.OnNewPreset(); // empty, so not written
    EXPECT_EQ(ReadFile("Scaling/Prefs.cfg"), kPrefs);
    EXPECT_EQ(ReadFile("Scaling/Defaults.cfg"), kDefaults);

    Open();
    EXPECT_TRUE(prefs.OnPresetSelected(Model::kBack, 0));
    EXPECT_FALSE(prefs.TakeNumber(Model::Thickness, "4"));
    prefs.OnNewPreset();
    prefs.OnKillFocusPresetUnit("\xB0");
    prefs.OnKillFocusPresetMin("-50"); // a maximum of 0 is one
    EXPECT_EQ(Carried(prefs.OnOK()), "close");
    const std::string written = ReadFile("Scaling/Prefs.cfg");
    EXPECT_EQ(written, FormatPrefsFile());
    for (const char* line :
         {"BackColor=ff\r\n", "GridColor=405060\r\n", "Line4Color=a0b0c0\r\n", "Thickness=4\r\n",
          "Autorun=0\r\n", "ShowZeros=1\r\n", "MaxMileage=70\r\n", "FuelHistoryDepth=5\r\n"})
        EXPECT_NE(written.find(line), std::string::npos) << line;
    EXPECT_EQ(ReadFile("Scaling/Defaults.cfg"), kDefaults + "\xB0,-50,0,\r\n");
}

TEST_F(PreferencesModelTest, SpeichernShowsThePresetThatCannotBeKeptAndWritesNothing)
{
    const struct {
        const char* what;
        std::string defaults;
        bool addEmpty; // "Neu", left empty
        std::string carried;
    } cases[] = {
        {"a minimum equal to the maximum", "km/h,0,250,\r\nbar,5,5,\r\n", false,
         "show Feld#: 2/2; " + kNotAbove + "; focus"},
        {"a minimum above the maximum", "km/h,0,250,\r\nbar,6,5,\r\n", false,
         "show Feld#: 2/2; " + kNotAbove + "; focus"},
        {"a new preset left empty", kDefaults, true, "show Feld#: 4/4; " + kIncomplete + "; focus"},
        {"an empty unit from the file", ",0,10,\r\nbar,5,5,\r\n", false,
         "show Feld#: 1/2; " + kIncomplete + "; focus"},
        {"the first preset that cannot be kept", "bar,5,5,\r\nkm/h,0,250,\r\n", true,
         "show Feld#: 1/3; " + kNotAbove + "; focus"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Restart();
        WriteFile("Scaling/Prefs.cfg", kPrefs);
        WriteFile("Scaling/Defaults.cfg", c.defaults);
        Open();
        if (c.addEmpty)
            prefs.OnNewPreset();
        EXPECT_FALSE(prefs.TakeNumber(Model::Thickness, "4"));
        EXPECT_EQ(Carried(prefs.OnOK()), c.carried);
        EXPECT_EQ(ReadFile("Scaling/Prefs.cfg"), kPrefs);
        EXPECT_EQ(ReadFile("Scaling/Defaults.cfg"), c.defaults);
    }

    // Mended, the preset shown is saved.
    prefs.OnKillFocusPresetMax("50");
    EXPECT_TRUE(prefs.OnNextPreset());
    EXPECT_TRUE(prefs.OnNextPreset());
    prefs.OnKillFocusPresetUnit("l/h");
    prefs.OnKillFocusPresetMax("10");
    EXPECT_EQ(Carried(prefs.OnOK()), "close");
    EXPECT_EQ(ReadFile("Scaling/Defaults.cfg"), "bar,5,50,\r\nkm/h,0,250,\r\nl/h,0,10,\r\n");
}

TEST_F(PreferencesModelTest, FilesThatCannotBeWrittenAreReported)
{
    WriteFile("Scaling", "not a folder");
    Open();
    EXPECT_EQ(Carried(prefs.OnOK()), "Einstellungen können nicht gespeichert werden. / Fehler");
}
