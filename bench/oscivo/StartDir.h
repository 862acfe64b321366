#pragma once
// A start-up directory as Oscivo finds it on a user's machine: a labels folder of realistic
// size, the drive's module among its files as a shared file that redirects its suffix (the
// longest way to its labels), and an empty scaling folder.

#include "platform/Numbers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

namespace oscivobench {

inline void WriteFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A label file of a hundred groups: a title and four fields each, about 20 KB.
inline std::string LabelFile(int seed)
{
    std::string text = "; labels of a control module\r\n";
    for (int g = 1; g <= 100; ++g) {
        text += platform::FormatC("%d,0,Group %d of module %d\r\n", g, g, seed);
        for (int f = 1; f <= 4; ++f)
            text += platform::FormatC("%d,%d,Measured value %d.%d,unit text;comment\r\n", g, f, g, f);
    }
    return text;
}

// 400 label files, the drive's module among them.
class StartDir {
public:
    StartDir()
    {
        QDir(m_dir.path()).mkdir("labels");
        QDir(m_dir.path()).mkdir("Scaling");
        for (int i = 0; i < 400; ++i) {
            const std::string name =
                platform::FormatC("%03d-%03d-%03d%s.LBL", 100 + i % 7, 200 + i, 900 - i, i % 3 ? "-AB" : "");
            WriteFile(m_dir.filePath(QString::fromStdString("labels/" + name)), LabelFile(i));
        }
        WriteFile(m_dir.filePath("labels/123-456-789.LBL"),
                  "REDIRECT,123-456-789-XY.LBL,AA,AB\r\n" + LabelFile(0));
        WriteFile(m_dir.filePath("labels/123-456-789-XY.LBL"), LabelFile(1));
    }

    QString Path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace oscivobench
