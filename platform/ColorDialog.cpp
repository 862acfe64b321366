#include "platform/ColorDialog.h"

#include "platform/Colour.h"

#include <QColorDialog>

namespace platform {
namespace {

// Qt's dialog cannot keep its custom-colour part closed, so CC_PREVENTFULLOPEN has no effect
// here; every other flag the programs pass describes what this dialog does anyway.
class QtColorDialog : public IColorDialog {
public:
    std::optional<COLORREF> ChooseColor(QWidget* owner, DWORD) override
    {
        QColorDialog dialog(ToQColor(0), owner);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return FromQColor(dialog.selectedColor());
    }
};

QtColorDialog g_qtDialog;
IColorDialog* g_dialog = nullptr;

} // namespace

void SetColorDialog(IColorDialog* dialog)
{
    g_dialog = dialog;
}

std::optional<COLORREF> ShowColorDialog(QWidget* owner, DWORD flags)
{
    return (g_dialog ? g_dialog : &g_qtDialog)->ChooseColor(owner, flags);
}

} // namespace platform
