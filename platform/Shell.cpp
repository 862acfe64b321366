#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform {
namespace {

class DesktopShell : public IShell {
public:
    bool Open(const QString& target) override
    {
        const QUrl url = target.contains(QStringLiteral("://"))
                             ? QUrl(target)
                             : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
        return QDesktopServices::openUrl(url);
    }
};

DesktopShell g_desktop;
IShell* g_shell = nullptr;

} // namespace

void SetShell(IShell* shell)
{
    g_shell = shell;
}

bool ShellOpen(const QString& target)
{
    return (g_shell ? g_shell : &g_desktop)->Open(target);
}

} // namespace platform
