#include "platform/testing/RecordingMessageBox.h"

#include "platform/TickClock.h"

#include <gtest/gtest.h>

namespace platform {

RecordingMessageBox::RecordingMessageBox(int answer) : m_answer(answer)
{
    SetMessageBox(this);
}

RecordingMessageBox::~RecordingMessageBox()
{
    SetMessageBox(nullptr);
}

int RecordingMessageBox::Show(QWidget*, const QString& text, const QString& caption, unsigned flags)
{
    m_boxes.push_back({text, caption, flags});
    if (m_holdMs > 0) {
        ManualTickClock* clock = InstalledManualClock();
        if (clock)
            clock->Advance(static_cast<std::uint32_t>(m_holdMs));
        else
            ADD_FAILURE() << "a box is held on a test clock only";
    }
    return m_answer;
}

} // namespace platform
