#include "CoreFixture.h"
#include "testhost/ReplyPayload.h"

namespace {

using testhost::Entry;

const std::string kModule = "123 456 789 AB";

std::string Reply(const std::vector<Entry>& entries)
{
    return testhost::StandardReply(kModule, entries);
}

} // namespace

class DisplayTest : public CoreTest {};

TEST_F(DisplayTest, FirstStandardReplyShowsTextsRescalesEverySlotAndSelectsSlotZero)
{
    const std::string reply = Reply({{1, 0, "850", "/min"},
                                     {1, 1, "50", "km/h"},
                                     {1, 2, "1.2", "bar"},
                                     {1, 3, "3", ""},
                                     {2, 1, "7", "V"}});
    const auto effects = Show(reply);
    ASSERT_TRUE(effects);

    const std::string texts[] = {"850 /min", "50 km/h", "1.2 bar", "3 ", "7 V", ""};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(model.m_strValue[k], texts[k]) << k;
    // The built-in presets give the fresh scales of /min, km/h and V their ranges.
    EXPECT_EQ(g_nScaleMax[1][0], 6000);
    EXPECT_EQ(g_nScaleMax[1][1], 250);
    EXPECT_EQ(g_nScaleMax[1][2], 100);
    EXPECT_EQ(g_nScaleMax[2][1], 20);
    for (int k = 0; k < kScopeSlots; ++k) {
        SCOPED_TRACE(k);
        ASSERT_TRUE(effects->traceRange[k]);
        ASSERT_TRUE(effects->meterRange[k]);
        EXPECT_EQ(*effects->meterUnits[k], g_strSlotUnit[k]);
        EXPECT_EQ(g_nSlotPrevGroup[k], g_nSlotGroup[k]);
    }
    EXPECT_DOUBLE_EQ(effects->traceRange[0]->max, 6000);
    EXPECT_DOUBLE_EQ(effects->traceRange[4]->max, 20); // slot 4 shows group 2, field 1
    EXPECT_TRUE(effects->rebuildGrid);

    // Row 0's boxes start ticked: plotted with their colours; the others lie on their minimum.
    const std::array<SwatchFill, 5> swatches = {SwatchFill::Trace, SwatchFill::Trace, SwatchFill::Trace,
                                                SwatchFill::Trace, SwatchFill::ButtonFace};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(model.m_slotSwatch[k], swatches[k]) << k;
    EXPECT_DOUBLE_EQ(model.m_plotValues[0], 850);
    EXPECT_DOUBLE_EQ(model.m_plotValues[4], 0);
    EXPECT_EQ(model.m_nGraph[5], 0); // no data
    EXPECT_TRUE(model.m_selectionShown[0]);
    EXPECT_EQ(model.m_strMin, "0");
    EXPECT_EQ(model.m_strMax, "6000");

    // The same groups again: nothing to rescale.
    const auto again = Show(reply);
    ASSERT_TRUE(again);
    for (int k = 0; k < kScopeSlots; ++k)
        EXPECT_FALSE(again->traceRange[k]) << k;
    EXPECT_FALSE(again->rebuildGrid);
}

TEST_F(DisplayTest, APresetGivesOnlyScalesStillAtTheirStartValues)
{
    const struct {
        const char* what;
        std::string defaults; // Defaults.cfg
        std::string unit;
        int min, max;       // the slot's scale before
        int newMin, newMax; // after
    } cases[] = {
        {"a maximum from the preset", "km/h,0,250,\r\n", "km/h", 0, 100, 0, 250},
        {"a minimum kept, the maximum taken", "km/h,-50,150,\r\n", "km/h", 10, 100, 10, 150},
        {"a scale from the file stays", "km/h,-50,150,\r\n", "km/h", 5, 50, 5, 50},
        {"units compare case-sensitively", "KM/H,0,250,\r\n", "km/h", 0, 100, 0, 100},
        {"a preset without a unit is never applied", ",0,250,\r\n", "", 0, 100, 0, 100},
        {"nor one whose minimum is not below its maximum", "km/h,300,200,\r\n", "km/h", 0, 100, 0, 100},
        {"the first preset that may be applied wins", "km/h,500,100,\r\nkm/h,-5,250,\r\nkm/h,0,90,\r\n",
         "km/h", 0, 100, -5, 250},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Restart();
        WriteFile("Scaling/Defaults.cfg", c.defaults);
        WriteFile("Scaling/123-456-789-AB.SCL", "3,\r\n");
        const std::string reply = Reply({{9, 2, "40", c.unit}});
        ASSERT_TRUE(Show(reply));
        g_nScaleMin[9][2] = c.min;
        g_nScaleMax[9][2] = c.max;
        g_bSlotRangeEdited[0] = TRUE;
        const auto effects = Show(reply);
        ASSERT_TRUE(effects);
        EXPECT_EQ(g_nScaleMin[9][2], c.newMin);
        EXPECT_EQ(g_nScaleMax[9][2], c.newMax);
        // The trace gets the applied range; an edit the preset did not override reaches the
        // trace and the meter in the second pass.
        ASSERT_TRUE(effects->traceRange[0]);
        EXPECT_DOUBLE_EQ(effects->traceRange[0]->max, c.newMax);
        const bool applied = c.newMin != c.min || c.newMax != c.max;
        EXPECT_EQ(effects->meterRange[0].has_value(), !applied);
        EXPECT_FALSE(g_bSlotRangeEdited[0]);
        EXPECT_DOUBLE_EQ(model.m_plotValues[0], 40);
    }
}

TEST_F(DisplayTest, LambdaValuesOfAirFuelGroupsShowAsRatio)
{
    model.m_nAirFuel[0] = 1;
    ASSERT_TRUE(
        Show(Reply({{31, 0, "1.02", ""}, {31, 1, "1.02", ""}, {31, 2, "1.35", ""}, {31, 3, "1.0", "V"}})));
    // On the reply that brings the group, the rescale sees the converted value and hides the box.
    EXPECT_EQ(model.m_strValue[0], "15.0");
    EXPECT_NEAR(model.m_plotValues[0], 14.994, 1e-12);
    EXPECT_FALSE(model.m_airFuelShown[0]);

    ASSERT_TRUE(
        Show(Reply({{31, 0, "1.02", ""}, {31, 1, "1.02", ""}, {31, 2, "1.35", ""}, {31, 3, "1.0", "V"}})));
    const bool shown[] = {true, true, false, false};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(model.m_airFuelShown[k], shown[k]) << k;
    EXPECT_EQ(model.m_strValue[0], "15.0");
    EXPECT_EQ(model.m_strValue[1], "1.02 "); // box shown but not ticked
    EXPECT_EQ(model.m_strValue[2], "1.35 ");
    EXPECT_EQ(model.m_strValue[3], "1 V");

    // Another group: the box goes.
    ASSERT_TRUE(Show(Reply({{30, 0, "1.02", ""}})));
    ASSERT_TRUE(Show(Reply({{30, 0, "1.02", ""}})));
    EXPECT_FALSE(model.m_airFuelShown[0]);
    EXPECT_EQ(model.m_strValue[0], "1.02 ");
}

TEST_F(DisplayTest, AdvancedLayoutAndBack)
{
    const auto toAdvanced = Show(testhost::AdvancedReply(
        kModule, {"0.5", "1", "2", "3", "4", "5", "6", "7", "8", "9.25"}, {{5, 0, "12", "V"}}));
    ASSERT_TRUE(toAdvanced);
    EXPECT_EQ(toAdvanced->layout, LayoutSwitch::ToAdvanced);
    for (int i = 0; i < kAdvancedValues; ++i) {
        ASSERT_TRUE(toAdvanced->traceRange[i]) << i;
        EXPECT_DOUBLE_EQ(toAdvanced->traceRange[i]->min, -1.0);
        EXPECT_DOUBLE_EQ(toAdvanced->traceRange[i]->max, 256.0);
    }
    // Element i is edit 1043 + i, the advanced value i.
    EXPECT_EQ(model.m_strAdv[0], "0.5");
    EXPECT_EQ(model.m_strAdv[9], "9.25");
    const double plotted[] = {0.5, 1, 2, 3, -1, -1, -1, -1, -1, -1, -1, -1};
    for (int k = 0; k < kScopeSlots; ++k)
        EXPECT_DOUBLE_EQ(model.m_plotValues[k], plotted[k]) << k;
    EXPECT_EQ(model.m_advSwatch[3], SwatchFill::Trace);
    EXPECT_EQ(model.m_advSwatch[4], SwatchFill::ButtonFace);
    EXPECT_EQ(model.m_nGraph, (std::array<int, kScopeSlots>{}));
    EXPECT_EQ(model.m_strValue[4], "12 V");
    EXPECT_EQ(model.m_strValue[5], "0 ");
    EXPECT_TRUE(toAdvanced->rebuildGrid);
    EXPECT_EQ(ReadFile("Scaling/123-456-789-AB.SCL"), "<missing>"); // not loaded by an advanced reply

    model.m_nGraph[0] = 1;
    const auto toStandard = Show(Reply({{1, 0, "850", "/min"}, {1, 1, "50", "km/h"}}));
    ASSERT_TRUE(toStandard);
    EXPECT_EQ(toStandard->layout, LayoutSwitch::ToStandard);
    for (int k = 0; k < kScopeSlots; ++k)
        EXPECT_TRUE(toStandard->traceRange[k]) << k;
    EXPECT_EQ(model.m_nGraph[0], 0); // row 0's boxes come back cleared
    EXPECT_EQ(model.m_slotSwatch[0], SwatchFill::ButtonFace);
    EXPECT_TRUE(model.m_selectionShown[0]);
    EXPECT_TRUE(toStandard->rebuildGrid);
    EXPECT_NE(ReadFile("Scaling/123-456-789-AB.SCL"), "<missing>");
}

TEST_F(DisplayTest, ObdLayoutShowsTheParameterUnderItsValue)
{
    ASSERT_TRUE(Show(testhost::ObdReply({{12, "850", "/min"}, {0, "", ""}, {13, "50", "km/h"}})));
    const std::string texts[] = {"850 /min", "", "50 km/h", "", "PID 12", "", "PID 13", "", "", "", "", ""};
    for (int k = 0; k < kScopeSlots; ++k)
        EXPECT_EQ(model.m_strValue[k], texts[k]) << k;
}

TEST_F(DisplayTest, ASlotThatLosesItsDataKeepsItsTraceValueAndAnUntickedOneLiesOnItsMinimum)
{
    ASSERT_TRUE(Show(Reply({{1, 0, "850", "/min"}, {1, 1, "50", "km/h"}})));
    model.m_nGraph[1] = 0;
    g_nScaleMin[1][1] = 20;
    const auto effects = Show(Reply({{0, 0, "", ""}, {1, 1, "60", "km/h"}}));
    ASSERT_TRUE(effects);
    EXPECT_EQ(model.m_strValue[0], "");
    EXPECT_EQ(model.m_nGraph[0], 0);
    EXPECT_DOUBLE_EQ(model.m_plotValues[0], 850);
    EXPECT_TRUE(effects->traceRange[0]); // its group changed
    EXPECT_DOUBLE_EQ(model.m_plotValues[1], 20);
    EXPECT_EQ(model.m_slotSwatch[1], SwatchFill::ButtonFace);
}

TEST_F(DisplayTest, PlaybackNeitherRescalesOnGroupsNorComputesFuelEconomy)
{
    g_bRunning = TRUE;
    const auto effects = Show(Reply({{1, 0, "6", "l/h"}, {1, 1, "60", "km/h"}}));
    ASSERT_TRUE(effects);
    EXPECT_FALSE(effects->traceRange[2]); // no data: only a rescale would set its range
    EXPECT_FALSE(effects->rebuildGrid);
    EXPECT_EQ(g_nSlotPrevGroup[0], -1);
    EXPECT_FALSE(model.m_fuelButtonsShown);
    EXPECT_EQ(g_dFuelHistory[0], 2000.0);
}
