#include "platform/PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace platform {
namespace {

class QtPrintDialog : public IPrintDialog {
public:
    std::unique_ptr<QPrinter> ChoosePrinter(QWidget* owner, DWORD flags) override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QPrintDialog dialog(printer.get(), owner);
        QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintShowPageSize;
        if (!(flags & PD_NOSELECTION))
            options |= QAbstractPrintDialog::PrintSelection;
        if (!(flags & PD_NOPAGENUMS))
            options |= QAbstractPrintDialog::PrintPageRange;
        // Printing to a PDF file stays whatever the flags: without a printer it is the only
        // destination there is.
        options |= QAbstractPrintDialog::PrintToFile;
        if (flags & PD_USEDEVMODECOPIESANDCOLLATE)
            options |= QAbstractPrintDialog::PrintCollateCopies;
        dialog.setOptions(options);
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        return printer;
    }
};

QtPrintDialog g_qtDialog;
IPrintDialog* g_dialog = nullptr;

} // namespace

void SetPrintDialog(IPrintDialog* dialog)
{
    g_dialog = dialog;
}

std::unique_ptr<QPrinter> ShowPrintDialog(QWidget* owner, DWORD flags)
{
    return (g_dialog ? g_dialog : &g_qtDialog)->ChoosePrinter(owner, flags);
}

} // namespace platform
