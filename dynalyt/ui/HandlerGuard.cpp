#include "dynalyt/ui/HandlerGuard.h"

#include "dynalyt/core/DynalytError.h"
#include "dynalyt/core/FormActions.h"
#include "platform/MessageBox.h"

#include <exception>

namespace dynalyt {

void RunGuarded(QWidget* owner, const std::function<void()>& handler)
{
    QString text;
    try {
        handler();
        return;
    } catch (const DynalytError& e) {
        text = e.Text();
    } catch (const std::exception& e) {
        text = QString::fromLocal8Bit(e.what());
    }
    ShowErrorBox(owner, text);
}

void ShowErrorBox(QWidget* owner, const QString& text)
{
    platform::ShowMessageBox(owner, text, QString::fromUtf8(ApplicationTitle), MB_OK | MB_ICONERROR);
}

} // namespace dynalyt
