#pragma once
// The start of every core test: Oscivo's state as at process start, its string table and
// start-up texts, and a fresh start-up directory of its own.

#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoModel.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/OscivoStrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <optional>
#include <string>

class CoreTest : public ::testing::Test {
protected:
    CoreTest() { Restart(); }

    // As at the start of a live session in this test's directory.
    void Restart()
    {
        ResetOscivoState();
        InstallOscivoStrings();
        LoadStartupTexts();
        SetBaseDir(m_dir.path());
        g_bLive = TRUE;
        g_bStopped = FALSE;
    }

    QString Path(const std::string& relative) const
    {
        return m_dir.filePath(QString::fromStdString(relative));
    }

    // Writes a file below the start-up directory, making its folders.
    void WriteFile(const std::string& relative, const std::string& bytes) const
    {
        const QString path = Path(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    // The bytes of a file below the start-up directory; "<missing>" when there is none.
    std::string ReadFile(const std::string& relative) const
    {
        QFile file(Path(relative));
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        return file.readAll().toStdString();
    }

    // A reply through the live handler and, when it is shown, the display.
    std::optional<ReplyEffects> Show(const std::string& payload)
    {
        if (!model.TakeReply("1", payload))
            return std::nullopt;
        return model.ShowParsedReply();
    }

    QTemporaryDir m_dir;
    OscivoModel model;
};
