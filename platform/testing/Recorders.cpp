#include "platform/testing/Recorders.h"

#include <QThread>

namespace platform {

RecordingFileDialog::RecordingFileDialog()
{
    SetFileDialog(this);
}

RecordingFileDialog::~RecordingFileDialog()
{
    SetFileDialog(nullptr);
}

std::optional<QString> RecordingFileDialog::Open(QWidget*, const FileDialogRequest& request)
{
    return Next(false, request);
}

std::optional<QString> RecordingFileDialog::Save(QWidget*, const FileDialogRequest& request)
{
    return Next(true, request);
}

std::optional<QString> RecordingFileDialog::Next(bool save, const FileDialogRequest& request)
{
    m_requests.push_back({save, request});
    if (m_answers.empty())
        return std::nullopt;
    const Answered answer = m_answers.front();
    m_answers.pop_front();
    if (!answer.chosen)
        return std::nullopt;
    return answer.path;
}

RecordingShell::RecordingShell()
{
    SetShell(this);
}

RecordingShell::~RecordingShell()
{
    SetShell(nullptr);
}

bool RecordingShell::Open(const QString& target)
{
    opened << target;
    return true;
}

RecordingSoundPlayer::RecordingSoundPlayer(bool waitLength) : m_bWaitLength(waitLength)
{
    SetSoundPlayer(this);
}

RecordingSoundPlayer::~RecordingSoundPlayer()
{
    SetSoundPlayer(nullptr);
}

void RecordingSoundPlayer::PlaySync(const QString& wavPath)
{
    played << wavPath;
    if (m_bWaitLength)
        QThread::msleep(static_cast<unsigned long>(WavDurationMs(wavPath)));
}

} // namespace platform
