#include "platform/FileDialog.h"

#include "platform/testing/Recorders.h"
#include "platform/testing/RecordingMessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using platform::FileDialogRequest;

TEST(FileDialog, WindowsFiltersBecomeQtFilters)
{
    EXPECT_EQ(platform::QtNameFilter("Bitmap (*.bmp)|*.bmp|alle Dateien|*.*"),
              QString("Bitmap (*.bmp) (*.bmp);;alle Dateien (*.*)"));
    EXPECT_EQ(platform::QtNameFilter("Logs|*.csv;*.txt|"), QString("Logs (*.csv *.txt)"));
}

// The real dialog as the user sees it: each filter shows its description once, as the Windows
// dialog did, and lists the files its patterns name.
TEST(FileDialog, ShowsEachDescriptionOnceAndListsItsFiles)
{
    QTemporaryDir dir;
    for (const char* name : {"a.bmp", "b.dib", "c.txt"}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    struct Case {
        QString filter;
        QStringList shown, listed;
    } cases[] = {
        {"Bitmap Dateien (*.bmp; *.dib)|*.bmp; *.dib||",
         {"Bitmap Dateien (*.bmp; *.dib)"},
         {"a.bmp", "b.dib"}},
        {"Text|*.txt|alle Dateien|*.*", {"Text", "alle Dateien"}, {"c.txt"}},
    };
    for (const Case& c : cases) {
        QStringList shown, listed;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            const auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            const auto* files = dialog->findChild<QListView*>("listView");
            if (types && files) {
                for (int i = 0; i < types->count(); ++i)
                    shown << types->itemText(i);
                // The directory is read in the background.
                EXPECT_TRUE(QTest::qWaitFor(
                    [&] { return files->model()->rowCount(files->rootIndex()) >= c.listed.size(); }));
                for (int i = 0; i < files->model()->rowCount(files->rootIndex()); ++i)
                    listed << files->model()->index(i, 0, files->rootIndex()).data().toString();
            }
            dialog->reject();
        });
        platform::FileDialogRequest r;
        r.filter = c.filter;
        r.initialDir = dir.path();
        EXPECT_FALSE(platform::GetSaveFileName(nullptr, r).has_value());
        listed.sort();
        EXPECT_EQ(shown.join(" | ").toStdString(), c.shown.join(" | ").toStdString())
            << c.filter.toStdString();
        EXPECT_EQ(listed.join(" | ").toStdString(), c.listed.join(" | ").toStdString());
    }
}

class SaveDialog : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(name); }
    void Touch(const char* name) const
    {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QTemporaryDir dir;
    platform::RecordingFileDialog dialog;
    platform::RecordingMessageBox box{IDYES};
};

TEST_F(SaveDialog, AppliesTheDefaultExtensionAndTheFinalNameRule)
{
    FileDialogRequest r;
    r.defaultExt = "bmp";
    dialog.Answer(Path("a"));
    dialog.Answer(Path("b.txt"));
    EXPECT_EQ(platform::GetSaveFileName(nullptr, r), Path("a.bmp"));
    EXPECT_EQ(platform::GetSaveFileName(nullptr, r), Path("b.txt"));

    FileDialogRequest own;
    own.finalName = [](const QString& n) { return n.endsWith(".dym") ? n : n + ".dym"; };
    dialog.Answer(Path("run"));
    EXPECT_EQ(platform::GetSaveFileName(nullptr, own), Path("run.dym"));
    EXPECT_TRUE(box.Boxes().empty());
}

TEST_F(SaveDialog, AsksBeforeReplacingTheFinalFileAndOffersTheDialogAgainOnNo)
{
    Touch("run.dym");
    FileDialogRequest r;
    r.title = "Messungsdatei speichern";
    r.promptOverwrite = true;
    r.finalName = [](const QString& n) { return n.endsWith(".dym") ? n : n + ".dym"; };

    box.SetAnswer(IDNO);
    dialog.Answer(Path("run"));
    dialog.Answer(Path("other"));
    EXPECT_EQ(platform::GetSaveFileName(nullptr, r), Path("other.dym"));
    ASSERT_EQ(box.Boxes().size(), 1u);
    EXPECT_TRUE(box.Boxes()[0].text.startsWith("run.dym"));
    EXPECT_EQ(box.Boxes()[0].caption, r.title);
    ASSERT_EQ(dialog.Requests().size(), 2u);
    EXPECT_EQ(dialog.Requests()[1].request.fileName, QString("run.dym"));

    box.SetAnswer(IDYES);
    dialog.Answer(Path("run"));
    EXPECT_EQ(platform::GetSaveFileName(nullptr, r), Path("run.dym"));
}

TEST_F(SaveDialog, CancelGivesNothing)
{
    dialog.Answer(std::nullopt);
    EXPECT_FALSE(platform::GetSaveFileName(nullptr, {}).has_value());
    EXPECT_FALSE(platform::GetOpenFileName(nullptr, {}).has_value());
}

TEST(Sound, WavDurationReadsTheHeader)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.wav");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const quint32 rate = 8000, dataBytes = 8000 * 2 / 4; // 250 ms of 16-bit mono
    auto le32 = [&](quint32 v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto le16 = [&](quint16 v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    f.write("RIFF");
    le32(36 + dataBytes);
    f.write("WAVEfmt ");
    le32(16);
    le16(1);
    le16(1);
    le32(rate);
    le32(rate * 2);
    le16(2);
    le16(16);
    f.write("data");
    le32(dataBytes);
    f.write(QByteArray(static_cast<int>(dataBytes), '\0'));
    f.close();
    EXPECT_EQ(platform::WavDurationMs(path), 250);
    EXPECT_EQ(platform::WavDurationMs(dir.filePath("missing.wav")), 0);
}

} // namespace
