#include "platform/testing/PdfDefaultPrinter.h"

#include "platform/testing/PdfPrinter.h"

#include <QPrinter>

namespace platform {

PdfDefaultPrinter::PdfDefaultPrinter(const QString& pdfPath) : m_pdfPath(pdfPath)
{
    SetDefaultPrinter(this);
}

PdfDefaultPrinter::~PdfDefaultPrinter()
{
    SetDefaultPrinter(nullptr);
}

std::unique_ptr<QPrinter> PdfDefaultPrinter::Open(const QString& jobName)
{
    jobs << jobName;
    if (m_pdfPath.isEmpty())
        return nullptr;
    auto printer = MakePdfPrinter(m_pdfPath);
    printer->setDocName(jobName);
    return printer;
}

} // namespace platform
