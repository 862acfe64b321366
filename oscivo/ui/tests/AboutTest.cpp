// The About box under the offscreen platform.

#include "oscivo/ui/About.h"

#include "oscivo/core/OscivoStrings.h"
#include "platform/MessageBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(AboutTest, ShowsTheVersionAndEveryLineWhole)
{
    InstallOscivoStrings();
    About about;
    about.show();
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8("Über Oscivo"));
    auto* version = about.findChild<QLabel*>(QString::number(About::IDC_VERSION));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Version 1.9");

    const QList<QLabel*> labels = about.findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_TRUE(about.rect().contains(label->geometry()));
        EXPECT_GE(label->width(), label->sizeHint().width());
    }

    QTest::mouseClick(about.findChild<QPushButton*>(QString::number(IDOK)), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}
