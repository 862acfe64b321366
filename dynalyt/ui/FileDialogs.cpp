#include "dynalyt/ui/FileDialogs.h"

#include "dynalyt/core/MainUnit.h"

namespace dynalyt {
namespace {

platform::FileDialogRequest Request(const char* title, const char* filter)
{
    platform::FileDialogRequest r;
    r.title = QString::fromUtf8(title);
    r.filter = QString::fromUtf8(filter);
    r.initialDir = QStringLiteral(".");
    return r;
}

} // namespace

platform::FileDialogRequest od1()
{
    return Request("Messungsdatei laden",
                   "Messungen (*.dym)|*.dym|Kinetra Messungen (*.knt)|*.knt|alle Dateien|*.*");
}

platform::FileDialogRequest sd1()
{
    platform::FileDialogRequest r =
        Request("Messungsdatei speichern", "Messungen (*.dym)|*.dym|alle Dateien|*.*");
    r.promptOverwrite = true;
    r.finalName = &MainUnit::FinalSaveName;
    return r;
}

platform::FileDialogRequest od2()
{
    return Request("Diagnoma Logdatei importieren", "Log-Dateien (*.csv)|*.csv|alle Dateien|*.*");
}

platform::FileDialogRequest sd2()
{
    platform::FileDialogRequest r = Request("Diagramm speichern", "Bitmap (*.bmp)|*.bmp|alle Dateien|*.*");
    r.promptOverwrite = true;
    r.finalName = &DiagramFileName;
    return r;
}

QString DiagramFileName(const QString& chosen)
{
    return platform::HasExtension(chosen) ? chosen : chosen + QStringLiteral(".bmp");
}

} // namespace dynalyt
