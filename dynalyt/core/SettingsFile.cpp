// The settings file beside the program, and the import settings of page "Einstellungen".

#include "dynalyt/core/MainUnit.h"
#include "dynalyt/core/TextLines.h"
#include "platform/Codec1252.h"

#include <QFile>

namespace dynalyt {
namespace {

constexpr char Separators[] = {',', ';', ':', '\t'};

// The combo item a first settings line chooses by its first letter; none for any other.
int SeparatorItem(char letter)
{
    switch (letter) {
    case 'K':
    case 'k': return 0;
    case 'S':
    case 's': return 1;
    case 'D':
    case 'd': return 2;
    case 'T':
    case 't': return 3;
    default: return NoSeparatorItem;
    }
}

} // namespace

QString MainUnit::SettingsFileName(const QString& programPath)
{
    // The program file has no extension to replace here, so the settings file adds one.
    return programPath + QStringLiteral(".ini");
}

void MainUnit::ReadSettingsFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        m_actions.ShowMessage(QStringLiteral("\rKonfigurationsdatei nicht gefunden!"));
        return;
    }
    const QByteArray bytes = file.readAll();
    QString* const targets[] = {
        &fMain.s_zeit,
        &fMain.s_umin,
        &fMain.s_kmh,
        &fMain.Edit(InputEdit::e_gew),
        &fMain.Edit(InputEdit::e_luftdr),
        &fMain.Edit(InputEdit::e_temp),
        &fMain.Edit(InputEdit::e_abruv),
    };
    int number = 1;
    for (std::string_view line :
         SplitLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        if (number > 8)
            break;
        if (!line.empty()) {
            if (number == 1) {
                if (const int item = SeparatorItem(line.front()); item != NoSeparatorItem)
                    fMain.z_trenner = item;
            } else {
                *targets[number - 2] = platform::FromCp1252(line);
            }
        }
        ++number;
    }
}

void MainUnit::z_trennerChange()
{
    if (fMain.z_trenner >= 0 && fMain.z_trenner < static_cast<int>(std::size(Separators)))
        ImportSeparator = Separators[fMain.z_trenner];
}

void MainUnit::zsetzenClick()
{
    fMain.z_trenner = 0;
    ImportSeparator = ',';
    fMain.s_zeit = QStringLiteral("STAMP");
    fMain.s_umin = QStringLiteral(" /min");
    fMain.s_kmh = QStringLiteral(" km/h");
}

} // namespace dynalyt
