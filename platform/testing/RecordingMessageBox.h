#pragma once
// A message box for tests: records every box and answers it without a person.

#include "platform/MessageBox.h"

#include <QString>

#include <vector>

namespace platform {

struct ShownBox {
    QString text;
    QString caption;
    unsigned flags;
};

class RecordingMessageBox : public IMessageBox {
public:
    // Installs itself for its lifetime.
    explicit RecordingMessageBox(int answer = IDOK);
    ~RecordingMessageBox() override;
    RecordingMessageBox(const RecordingMessageBox&) = delete;
    RecordingMessageBox& operator=(const RecordingMessageBox&) = delete;

    int Show(QWidget* owner, const QString& text, const QString& caption, unsigned flags) override;

    void SetAnswer(int answer) { m_answer = answer; }
    // The box stays open this long of the installed test clock: the clock's time passes, and the
    // timers that fall due meanwhile fire, as they would in the box's own event loop.
    void SetHoldMs(int ms) { m_holdMs = ms; }

    const std::vector<ShownBox>& Boxes() const { return m_boxes; }
    void Clear() { m_boxes.clear(); }

private:
    int m_answer;
    int m_holdMs = 0;
    std::vector<ShownBox> m_boxes;
};

} // namespace platform
