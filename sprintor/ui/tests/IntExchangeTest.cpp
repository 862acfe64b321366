#include "sprintor/ui/IntExchange.h"

#include "platform/testing/RecordingMessageBox.h"
#include "sprintor/core/SprintorStrings.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

TEST(WholeNumber, AcceptsOnlyAWholeNumberWithBlanks)
{
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"100", 100},
        {" 42 ", 42},
        {"-7", -7},
        {"+7", 7},
        {"", {}},
        {" ", {}},
        {"12a", {}},
        {"1.5", {}},
        {"+-3", {}},
        {"+", {}},
        {"0x10", {}},
        {"99999999999", {}},
        {"2147483647", 2147483647},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseWholeNumber(QString::fromLatin1(c.text)), c.value) << '"' << c.text << '"';
}

// The framework's validation: the message, and what the member holds afterwards.
TEST(WholeNumber, ExchangeReportsBadTextAndKeepsOutOfRangeValues)
{
    InstallSprintorStrings(); // the boxes' caption
    platform::RecordingMessageBox boxes;
    QLineEdit edit;
    struct Case {
        const char* text;
        bool ok;
        int value; // the member afterwards, starting from 5
        const char* message;
    };
    const Case cases[] = {
        {"280", true, 280, nullptr},
        {"0", true, 0, nullptr},
        {"", false, 5, "Enter an integer."},
        {"abc", false, 5, "Enter an integer."},
        {"281", false, 281, "Enter an integer between 0 and 280."},
        {"-1", false, -1, "Enter an integer between 0 and 280."},
    };
    for (const Case& c : cases) {
        boxes.Clear();
        edit.setText(QString::fromLatin1(c.text));
        int value = 5;
        EXPECT_EQ(ExchangeInt(nullptr, edit, value, 0, 280), c.ok) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
        if (c.message) {
            ASSERT_EQ(boxes.Boxes().size(), 1u) << c.text;
            EXPECT_EQ(boxes.Boxes()[0].text, QString::fromLatin1(c.message));
            EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Sprintor"));
            EXPECT_EQ(edit.selectedText(), edit.text());
        } else {
            EXPECT_TRUE(boxes.Boxes().empty()) << c.text;
        }
    }
}

} // namespace
