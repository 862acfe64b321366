#include "CoreFixture.h"
#include "platform/Numbers.h"
#include "testhost/ReplyPayload.h"

#include <climits>

class ScaleEditTest : public CoreTest {
protected:
    // Slots 0..3 of group 5, slot 4 of group 6 field 2; the others without data.
    void ShowGroups()
    {
        ASSERT_TRUE(Show(testhost::StandardReply("123 456 789 AB", {{5, 0, "1", "V"},
                                                                    {5, 1, "1", "V"},
                                                                    {5, 2, "1", "/min"},
                                                                    {5, 3, "1", "V"},
                                                                    {6, 2, "1", "bar"}})));
    }
};

TEST_F(ScaleEditTest, BeforeAnyDataMinAndMaxShowNothingAndChangeNothing)
{
    const ScaleTable minBefore = g_nScaleMin;
    const ScaleTable maxBefore = g_nScaleMax;
    model.SelectScaleSlot(1, 2);
    EXPECT_EQ(g_nSelRow * 4 + g_nSelField, 0);
    EXPECT_EQ(model.m_strMin, "");
    EXPECT_EQ(model.m_strMax, "");
    model.OnKillFocusMax("250");
    model.OnKillFocusMin("-5");
    EXPECT_EQ(g_nScaleMin, minBefore);
    EXPECT_EQ(g_nScaleMax, maxBefore);
    EXPECT_EQ(g_bSlotRangeEdited[0], FALSE);
    EXPECT_EQ(model.m_strMax, "250"); // the text stays as typed
}

TEST_F(ScaleEditTest, TypedNumbersSetTheSelectedSlotsScale)
{
    ShowGroups();
    model.OnValueFocus(4);
    EXPECT_TRUE(model.m_selectionShown[4]);
    EXPECT_EQ(model.m_strMax, "100");

    const struct {
        const char* text;
        int max;
        BOOL edited;
    } cases[] = {
        {"250", 250, TRUE},
        {"250", 250, FALSE},
        {"  300kmh", 300, TRUE},
        {"abc", 300, FALSE},
        {"", 300, FALSE},
        {"-0", 0, TRUE},
        {"+7", 7, TRUE},
        {"99999999999", INT_MAX, TRUE},
        {"-99999999999", INT_MIN, TRUE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        g_bSlotRangeEdited[4] = FALSE;
        model.OnKillFocusMax(c.text);
        EXPECT_EQ(g_nScaleMax[6][2], c.max);
        EXPECT_EQ(g_bSlotRangeEdited[4], c.edited);
    }
    model.OnKillFocusMin("10");
    EXPECT_EQ(g_nScaleMin[6][2], 10);

    // The edit reaches the trace and an open meter with the next reply.
    const auto effects = Show(testhost::StandardReply(
        "123 456 789 AB",
        {{5, 0, "1", "V"}, {5, 1, "1", "V"}, {5, 2, "1", "/min"}, {5, 3, "1", "V"}, {6, 2, "1", "bar"}}));
    ASSERT_TRUE(effects);
    EXPECT_FALSE(effects->traceRange[4]); // its graph box is not ticked
    model.m_nGraph[4] = 1;
    g_bSlotRangeEdited[4] = TRUE;
    const auto ticked = Show(testhost::StandardReply(
        "123 456 789 AB",
        {{5, 0, "1", "V"}, {5, 1, "1", "V"}, {5, 2, "1", "/min"}, {5, 3, "1", "V"}, {6, 2, "1", "bar"}}));
    ASSERT_TRUE(ticked && ticked->traceRange[4] && ticked->meterRange[4]);
    EXPECT_DOUBLE_EQ(ticked->traceRange[4]->min, 10);
    EXPECT_EQ(*ticked->meterUnits[4], "bar");
}

TEST_F(ScaleEditTest, SelectionMovesOverTheSlotsAndFallsBackToSlotZero)
{
    ShowGroups();
    const struct {
        const char* what;
        int from;
        bool next;
        int to;
    } cases[] = {
        {"the next field", 1, true, 2},           {"on to the next row", 3, true, 4},
        {"onto a slot without data", 4, true, 0}, {"the last slot stays", 11, true, 0},
        {"the previous field", 2, false, 1},      {"back to the previous row", 4, false, 3},
        {"the first slot stays", 0, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_nSelRow = c.from / 4;
        g_nSelField = c.from % 4;
        if (c.next)
            model.OnNextScaleSlot();
        else
            model.OnPrevScaleSlot();
        EXPECT_EQ(g_nSelRow * 4 + g_nSelField, c.to);
        for (int k = 0; k < kScopeSlots; ++k)
            EXPECT_EQ(model.m_selectionShown[k], k == c.to) << k;
    }

    // Selecting sets the texts of the members as well, so none is written into another slot.
    g_nScaleMax[5][2] = 6000;
    model.OnValueFocus(2);
    EXPECT_EQ(model.m_strMax, "6000");
    model.OnValueFocus(7);
    EXPECT_EQ(g_nSelRow * 4 + g_nSelField, 0);
    EXPECT_EQ(model.m_strMax, platform::FormatC("%d", g_nScaleMax[5][0]));
}
