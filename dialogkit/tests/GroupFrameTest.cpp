// The group box of the dialog templates: its title sits in a gap of the top line; without a
// title the line runs through.

#include "dialogkit/GroupFrame.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(GroupFrame, TheTopLineLeavesAGapForATitleOnly)
{
    for (const QString& title : {QString(), QStringLiteral("Vert.Maßstab")}) {
        SCOPED_TRACE(title.toStdString());
        QWidget parent;
        auto* box = new GroupFrame(title, &parent);
        box->setGeometry(0, 0, 120, 40);
        const QImage image = box->grab().toImage();
        const int top = box->fontMetrics().height() / 2;
        const QRgb shadow = box->palette().color(QPalette::Dark).rgb();
        int onLine = 0;
        for (int x = 8; x < 14; ++x)
            onLine += image.pixel(x, top) == shadow;
        EXPECT_EQ(onLine, title.isEmpty() ? 6 : 0);
        EXPECT_EQ(image.pixel(60, box->height() - 2), shadow) << "the bottom line";
        EXPECT_TRUE(box->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
}

} // namespace
