// The hint in the title bar after the start.

#include "oscivo/core/TitleHint.h"

#include "CoreFixture.h"

class TitleHintTest : public CoreTest {};

TEST_F(TitleHintTest, TheTitleHintRunsFifteenFramesOnceThenTheTitleStands)
{
    const std::string tail = "Icon klicken um Einstellungen zu bearbeiten";
    std::vector<std::string> frames;
    while (const auto frame = NextTitleHint())
        frames.push_back(*frame);
    ASSERT_EQ(frames.size(), 15u);
    EXPECT_EQ(frames.front(), "<" + std::string(15, '=') + tail);
    EXPECT_EQ(frames.back(), "<=" + tail);
    EXPECT_FALSE(NextTitleHint()); // the count is never reset
}
