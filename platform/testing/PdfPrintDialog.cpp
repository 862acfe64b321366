#include "platform/testing/PdfPrintDialog.h"

#include <QPrinter>

namespace platform {

PdfPrintDialog::PdfPrintDialog(const QString& pdfPath) : m_pdfPath(pdfPath)
{
    SetPrintDialog(this);
}

PdfPrintDialog::~PdfPrintDialog()
{
    SetPrintDialog(nullptr);
}

std::unique_ptr<QPrinter> PdfPrintDialog::ChoosePrinter(QWidget* owner, DWORD flags)
{
    asked.push_back({owner, flags});
    if (m_pdfPath.isEmpty())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(m_pdfPath);
    return printer;
}

} // namespace platform
