#pragma once
// What tests put in place of a person at a file dialog, of the desktop shell and of the sound
// card. Each installs itself for its lifetime and records what the program asked of it.

#include "platform/FileDialog.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace platform {

class RecordingFileDialog : public IFileDialog {
public:
    RecordingFileDialog();
    ~RecordingFileDialog() override;
    RecordingFileDialog(const RecordingFileDialog&) = delete;
    RecordingFileDialog& operator=(const RecordingFileDialog&) = delete;

    // The answers, in order: a path, or nothing for a cancelled dialog. With no answer left,
    // the dialog is cancelled.
    void Answer(const std::optional<QString>& path)
    {
        m_answers.push_back({path.has_value(), path.value_or(QString())});
    }

    std::optional<QString> Open(QWidget* owner, const FileDialogRequest& request) override;
    std::optional<QString> Save(QWidget* owner, const FileDialogRequest& request) override;

    struct Asked {
        bool save;
        FileDialogRequest request;
    };
    const std::vector<Asked>& Requests() const { return m_requests; }

private:
    std::optional<QString> Next(bool save, const FileDialogRequest& request);
    struct Answered {
        bool chosen;
        QString path;
    };
    std::deque<Answered> m_answers;
    std::vector<Asked> m_requests;
};

class RecordingShell : public IShell {
public:
    RecordingShell();
    ~RecordingShell() override;
    RecordingShell(const RecordingShell&) = delete;
    RecordingShell& operator=(const RecordingShell&) = delete;
    bool Open(const QString& target) override;
    QStringList opened;
};

// Records each sound and, when asked, blocks for its length as the real player does.
class RecordingSoundPlayer : public ISoundPlayer {
public:
    explicit RecordingSoundPlayer(bool waitLength = false);
    ~RecordingSoundPlayer() override;
    RecordingSoundPlayer(const RecordingSoundPlayer&) = delete;
    RecordingSoundPlayer& operator=(const RecordingSoundPlayer&) = delete;
    void PlaySync(const QString& wavPath) override;
    QStringList played;

private:
    bool m_bWaitLength;
};

} // namespace platform
