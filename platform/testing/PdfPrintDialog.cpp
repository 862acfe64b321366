#include "platform/testing/PdfPrintDialog.h"

#include "platform/testing/PdfPrinter.h"

#include <QPrinter>

namespace platform {

PdfPrintDialog::PdfPrintDialog(QString pdfPath, bool fullPage)
    : m_pdfPath(std::move(pdfPath)), m_bFullPage(fullPage)
{
    SetPrintDialog(this);
}

PdfPrintDialog::~PdfPrintDialog()
{
    SetPrintDialog(nullptr);
}

std::unique_ptr<QPrinter> PdfPrintDialog::ChoosePrinter(QWidget* owner, DWORD flags)
{
    this->owner = owner;
    this->flags = flags;
    if (m_pdfPath.isEmpty())
        return nullptr;
    auto printer = MakePdfPrinter(m_pdfPath);
    printer->setFullPage(m_bFullPage);
    return printer;
}

} // namespace platform
