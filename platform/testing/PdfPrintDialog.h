#pragma once
// A print dialog for tests: the user chooses a printer that writes one PDF file, or cancels
// when set up without a file. Installs itself for its lifetime and records what it was asked.

#include "platform/PrintDialog.h"

#include <QString>

#include <vector>

namespace platform {

class PdfPrintDialog : public IPrintDialog {
public:
    // An empty path: the user cancels.
    explicit PdfPrintDialog(const QString& pdfPath);
    ~PdfPrintDialog() override;
    PdfPrintDialog(const PdfPrintDialog&) = delete;
    PdfPrintDialog& operator=(const PdfPrintDialog&) = delete;

    std::unique_ptr<QPrinter> ChoosePrinter(QWidget* owner, DWORD flags) override;

    struct Asked {
        QWidget* owner;
        DWORD flags;
    };
    std::vector<Asked> asked;

private:
    QString m_pdfPath;
};

} // namespace platform
