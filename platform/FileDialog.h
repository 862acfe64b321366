#pragma once
// Open and save file dialogs as the programs ask for them (title, a filter in the Windows
// form "Text|pattern|Text|pattern", initial directory, proposed name), behind an interface
// that tests replace. Default extension and the overwrite question are handled here for every
// implementation, so that they behave the same under a test.

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace platform {

struct FileDialogRequest {
    QString title;
    QString filter;     // "Bitmap (*.bmp)|*.bmp|alle Dateien|*.*"
    QString initialDir; // "." is the current directory
    QString fileName;   // proposed name, may be empty
    QString defaultExt; // without the dot; appended to a chosen name that has no extension
    bool promptOverwrite = false;
    // Turns the chosen name into the name that will be written, before the overwrite question
    // is asked for it (a program that appends its own extension passes that rule here).
    std::function<QString(const QString&)> finalName;
};

class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> Open(QWidget* owner, const FileDialogRequest& request) = 0;
    virtual std::optional<QString> Save(QWidget* owner, const FileDialogRequest& request) = 0;
};

// Replaces the dialogs; nullptr restores the real ones.
void SetFileDialog(IFileDialog* dialog);

std::optional<QString> GetOpenFileName(QWidget* owner, const FileDialogRequest& request);

// Runs the save dialog until a name is accepted: the default extension and the final-name rule
// are applied, and when the final file exists and the request asks for it, the user is asked
// whether to replace it; "no" shows the dialog again.
std::optional<QString> GetSaveFileName(QWidget* owner, const FileDialogRequest& request);

// The Windows filter form as a Qt name filter: each description followed by its patterns in
// Qt's form, "Bitmap (*.bmp) (*.bmp);;alle Dateien (*.*)"; the dialog shows the descriptions.
QString QtNameFilter(const QString& windowsFilter);

// Whether the last path component has a dot.
bool HasExtension(const QString& path);

} // namespace platform
