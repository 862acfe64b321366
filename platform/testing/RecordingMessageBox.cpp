#include "platform/testing/RecordingMessageBox.h"

#include <QEventLoop>
#include <QTimer>

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
        QEventLoop loop;
        QTimer::singleShot(m_holdMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return m_answer;
}

} // namespace platform
