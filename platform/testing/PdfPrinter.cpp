#include "platform/testing/PdfPrinter.h"

#include <QPrinter>

namespace platform {

std::unique_ptr<QPrinter> MakePdfPrinter(const QString& pdfPath)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdfPath);
    return printer;
}

} // namespace platform
