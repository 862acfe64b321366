#pragma once
// A default printer for tests: every job goes into one PDF file, or, when set up without a
// file, there is no printer installed. Installs itself for its lifetime.

#include "platform/DefaultPrinter.h"

#include <QStringList>

namespace platform {

class PdfDefaultPrinter : public IDefaultPrinter {
public:
    // An empty path: no printer installed.
    explicit PdfDefaultPrinter(const QString& pdfPath);
    ~PdfDefaultPrinter() override;
    PdfDefaultPrinter(const PdfDefaultPrinter&) = delete;
    PdfDefaultPrinter& operator=(const PdfDefaultPrinter&) = delete;

    std::unique_ptr<QPrinter> Open(const QString& jobName) override;

    // The names of the jobs opened, in order.
    QStringList jobs;

private:
    QString m_pdfPath;
};

} // namespace platform
