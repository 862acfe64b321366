#include "platform/PrintDialog.h"

#include "platform/DC.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// On a machine without a printer the one destination is a PDF file: the dialog offers it
// whatever the program asks, or a print job could only fail to start.
TEST(PrintDialog, OffersAPdfFileWhateverTheFlags)
{
    const DWORD asDesigned =
        PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_DISABLEPRINTTOFILE;
    for (const DWORD flags : {asDesigned, DWORD(0)}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("page.pdf");
        bool offered = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* printers = dialog->findChild<QComboBox*>("printers");
            auto* fileName = dialog->findChild<QLineEdit*>("filename");
            if (printers && fileName && printers->count() > 0) {
                printers->setCurrentIndex(printers->count() - 1); // the file comes after any printer
                offered = printers->currentText().contains("PDF");
                fileName->setText(path);
            }
            dialog->accept();
        });
        const std::unique_ptr<QPrinter> printer = platform::ShowPrintDialog(nullptr, flags);
        EXPECT_TRUE(offered) << std::hex << flags;
        ASSERT_TRUE(printer);
        platform::CDC dc(printer.get());
        ASSERT_GE(dc.StartDoc(QString()), 0) << "the job starts";
        dc.StartPage();
        dc.TextOut(100, 100, "Seite");
        dc.EndPage();
        dc.EndDoc();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith("%PDF"));
    }
}

} // namespace
