// The start-up that the plug-ins share, on the test's own application object.

#include "hostlink/PluginFrame.h"

#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// Qt's own boxes and dialogs spoke English in the plug-ins: the overwrite question of the save
// dialog offered "Yes" and "No".
TEST(PluginStart, QtsOwnButtonsSpeakGerman)
{
    ASSERT_EQ(PreparePluginApplication(), TRUE) << "Qt's translations are not installed (scripts/setup)";
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().toStdString(), "&Ja");
    EXPECT_EQ(box.button(QMessageBox::No)->text().toStdString(), "&Nein");
}

} // namespace
