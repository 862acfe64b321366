#include "platform/testing/RecordingColorDialog.h"

namespace platform {

RecordingColorDialog::RecordingColorDialog()
{
    SetColorDialog(this);
}

RecordingColorDialog::~RecordingColorDialog()
{
    SetColorDialog(nullptr);
}

std::optional<COLORREF> RecordingColorDialog::ChooseColor(QWidget* owner, DWORD flags)
{
    m_requests.push_back({owner, flags});
    if (m_answers.empty())
        return std::nullopt;
    const std::optional<COLORREF> answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

} // namespace platform
