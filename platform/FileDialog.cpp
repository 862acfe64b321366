#include "platform/FileDialog.h"

#include "platform/MessageBox.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace platform {
namespace {

QString StartDir(const FileDialogRequest& r)
{
    return QDir(r.initialDir.isEmpty() ? QStringLiteral(".") : r.initialDir).absolutePath();
}

class QtFileDialog : public IFileDialog {
public:
    std::optional<QString> Open(QWidget* owner, const FileDialogRequest& r) override
    {
        return Run(owner, r, QFileDialog::AcceptOpen);
    }
    std::optional<QString> Save(QWidget* owner, const FileDialogRequest& r) override
    {
        return Run(owner, r, QFileDialog::AcceptSave);
    }

private:
    static std::optional<QString> Run(QWidget* owner, const FileDialogRequest& r,
                                      QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(owner, r.title);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        // The overwrite question is asked by GetSaveFileName for the final name.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        // Each filter shows its description alone, as on Windows; Qt reads the patterns from
        // the group it appends.
        dialog.setOption(QFileDialog::HideNameFilterDetails, true);
        dialog.setNameFilter(QtNameFilter(r.filter));
        // A directory given to selectFile would open its parent with the directory selected.
        dialog.setDirectory(StartDir(r));
        if (!r.fileName.isEmpty())
            dialog.selectFile(QDir(StartDir(r)).filePath(r.fileName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first();
    }
};

QtFileDialog g_qtDialog;
IFileDialog* g_dialog = nullptr;

IFileDialog& Current()
{
    return g_dialog ? *g_dialog : g_qtDialog;
}

} // namespace

void SetFileDialog(IFileDialog* dialog)
{
    g_dialog = dialog;
}

bool HasExtension(const QString& path)
{
    return QFileInfo(path).fileName().contains(QLatin1Char('.'));
}

QString QtNameFilter(const QString& windowsFilter)
{
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    // An empty description ends the list, as the "||" that closes a Windows filter does.
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'));
        for (QString& pattern : patterns)
            pattern = pattern.trimmed();
        patterns.removeAll(QString());
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<QString> GetOpenFileName(QWidget* owner, const FileDialogRequest& request)
{
    return Current().Open(owner, request);
}

std::optional<QString> GetSaveFileName(QWidget* owner, const FileDialogRequest& request)
{
    FileDialogRequest r = request;
    for (;;) {
        std::optional<QString> chosen = Current().Save(owner, r);
        if (!chosen)
            return std::nullopt;
        QString name = *chosen;
        if (!r.defaultExt.isEmpty() && !HasExtension(name))
            name += QLatin1Char('.') + r.defaultExt;
        if (r.finalName)
            name = r.finalName(name);
        if (!r.promptOverwrite || !QFileInfo::exists(name))
            return name;
        const QString question = QStringLiteral("%1 ist bereits vorhanden.\nMöchten Sie die Datei ersetzen?")
                                     .arg(QFileInfo(name).fileName());
        if (ShowMessageBox(owner, question, r.title, MB_YESNO | MB_ICONWARNING) == IDYES)
            return name;
        r.fileName = QFileInfo(name).fileName();
        r.initialDir = QFileInfo(name).absolutePath();
    }
}

} // namespace platform
