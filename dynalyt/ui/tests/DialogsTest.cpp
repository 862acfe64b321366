// The real boxes and file dialogs the program opens, as the user sees them.
#include "dynalyt/ui/FileDialogs.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>

namespace dynalyt {
namespace {

// Runs `look` on the modal widget that the call opens, which `look` must close.
template <class T> void WhenOpen(const std::function<void(T*)>& look)
{
    QTimer::singleShot(0, [look] {
        T* widget = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(widget, nullptr);
        look(widget);
    });
}

TEST(Dialogs, CarriageReturnsBreakTheLinesOfABox)
{
    QString shown;
    WhenOpen<QMessageBox>([&](QMessageBox* box) {
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    platform::ShowMessageBox(nullptr, QStringLiteral("Einstellungen prüfen!\r\rImport für Log-Dateien"),
                             QStringLiteral("Dynalyt V3.0.8"));
    EXPECT_EQ(shown, QStringLiteral("Einstellungen prüfen!\n\nImport für Log-Dateien"));
}

TEST(Dialogs, TheCloseQuestionHasGermanButtons)
{
    QStringList buttons;
    WhenOpen<QMessageBox>([&](QMessageBox* box) {
        for (QAbstractButton* b : box->buttons())
            buttons << b->text();
        box->buttons().last()->click();
    });
    platform::ShowQuestion(nullptr, QStringLiteral("\rDynalyt beenden?"), QStringLiteral("Bestätigen"),
                           QStringLiteral("&Ja"), QStringLiteral("&Nein"));
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
}

TEST(Dialogs, FileDialogsOpenInTheCurrentDirectory)
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QString shownDir;
    QString title;
    WhenOpen<QFileDialog>([&](QFileDialog* dialog) {
        shownDir = dialog->directory().absolutePath();
        title = dialog->windowTitle();
        dialog->reject();
    });
    EXPECT_FALSE(platform::GetOpenFileName(nullptr, od2()).has_value());
    QDir::setCurrent(before);
    EXPECT_EQ(shownDir.toStdString(), QDir(dir.path()).absolutePath().toStdString());
    EXPECT_EQ(title, QStringLiteral("Diagnoma Logdatei importieren"));
}

} // namespace
} // namespace dynalyt
