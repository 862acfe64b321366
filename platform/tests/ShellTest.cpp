#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// The help text and the web links open through the desktop's opener, which Qt's desktop services
// start with the file's or the address's URL on an X11 or Wayland desktop (the tests' offscreen
// platform opens nothing). Without it both silently open nothing. With no desktop to ask, the
// opener hands the URL to $BROWSER: here a script that writes down what it was given.
TEST(DesktopOpener, HandsOnALocalFileAndAWebAddress)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    ASSERT_FALSE(opener.isEmpty()) << "xdg-open is not installed";

    QTemporaryDir dir;
    const QString record = dir.filePath(QStringLiteral("opened.txt"));
    QFile browser(dir.filePath(QStringLiteral("browser")));
    ASSERT_TRUE(browser.open(QIODevice::WriteOnly));
    browser.write("#!/bin/sh\necho \"$1\" >> '" + QFile::encodeName(record) + "'\n");
    browser.close();
    browser.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile readme(dir.filePath(QStringLiteral("readme.txt")));
    ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
    readme.write("Hilfe\r\n");
    readme.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* desktop :
         {"DISPLAY", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION",
          "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID", "DBUS_SESSION_BUS_ADDRESS"})
        environment.remove(QString::fromLatin1(desktop));
    environment.insert(QStringLiteral("BROWSER"), browser.fileName());

    const QStringList targets = {QString::fromLatin1(QUrl::fromLocalFile(readme.fileName()).toEncoded()),
                                 QStringLiteral("http://www.example.org/")};
    for (const QString& target : targets) {
        QProcess open;
        open.setProcessEnvironment(environment);
        open.start(opener, {target});
        ASSERT_TRUE(open.waitForFinished(30000)) << target.toStdString();
        EXPECT_EQ(open.exitCode(), 0) << open.readAllStandardError().toStdString();
    }
    QFile opened(record);
    ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(opened.readAll()), targets.join(u'\n') + u'\n');
}

} // namespace
