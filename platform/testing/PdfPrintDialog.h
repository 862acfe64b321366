#pragma once
// A print dialog for tests: the user chooses a PDF printer writing one file, or cancels when
// set up without a file. Installs itself for its lifetime and records what it was shown with.

#include "platform/PrintDialog.h"

#include <QString>

namespace platform {

class PdfPrintDialog : public IPrintDialog {
public:
    // fullPage: the page is painted whole, its corner at the origin, so that positions on it
    // follow from the page size alone.
    explicit PdfPrintDialog(QString pdfPath, bool fullPage = false);
    ~PdfPrintDialog() override;
    PdfPrintDialog(const PdfPrintDialog&) = delete;
    PdfPrintDialog& operator=(const PdfPrintDialog&) = delete;

    std::unique_ptr<QPrinter> ChoosePrinter(QWidget* owner, DWORD flags) override;

    QWidget* owner = nullptr;
    DWORD flags = 0;

private:
    QString m_pdfPath;
    bool m_bFullPage;
};

} // namespace platform
