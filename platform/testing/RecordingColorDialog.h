#pragma once
// A colour dialog for tests: records every request and answers it without a person. Installs
// itself for its lifetime.

#include "platform/ColorDialog.h"

#include <deque>
#include <vector>

namespace platform {

class RecordingColorDialog : public IColorDialog {
public:
    RecordingColorDialog();
    ~RecordingColorDialog() override;
    RecordingColorDialog(const RecordingColorDialog&) = delete;
    RecordingColorDialog& operator=(const RecordingColorDialog&) = delete;

    // The answers, in order: a colour, or nothing for a cancelled dialog. With no answer left,
    // the dialog is cancelled.
    void Answer(std::optional<COLORREF> colour) { m_answers.push_back(colour); }

    std::optional<COLORREF> ChooseColor(QWidget* owner, DWORD flags) override;

    struct Asked {
        QWidget* owner;
        DWORD flags;
    };
    const std::vector<Asked>& Requests() const { return m_requests; }

private:
    std::deque<std::optional<COLORREF>> m_answers;
    std::vector<Asked> m_requests;
};

} // namespace platform
