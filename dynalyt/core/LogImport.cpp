// Import of the host's CSV log files: the header line that holds the three column texts,
// the usable data lines after it, and the acceleration and coast-down runs cut out of them.

#include "dynalyt/core/Fields.h"
#include "dynalyt/core/MainUnit.h"
#include "dynalyt/core/NumberFormat.h"
#include "dynalyt/core/TextLines.h"
#include "platform/Codec1252.h"

#include <QFile>

#include <algorithm>
#include <vector>

namespace dynalyt {
namespace {

struct Columns {
    int time = 0;
    int rpm = 0;
    int speed = 0;
};

// 1-based position of the first occurrence of `text` in the line, 0 when it is not there.
std::size_t Position(std::string_view line, const std::string& text)
{
    const std::size_t at = line.find(text);
    return at == std::string_view::npos ? 0 : at + 1;
}

int ColumnAt(std::string_view line, std::size_t position, char separator)
{
    return 1 + static_cast<int>(
                   std::count(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(position), separator));
}

// The runs as the grids will hold them.
struct CutRuns {
    TextGrid accel{3, GridRows};
    TextGrid coast{2, GridRows};
};

QString Format2(double value)
{
    return NumberFormat.FormatFloat(value, 2);
}

CutRuns Cut(const std::vector<AccelSample>& s)
{
    const int n = static_cast<int>(s.size());
    int iS = 0, iR = 0;
    double maxSpeed = 0, maxRpm = 0;
    for (int i = 0; i < n; ++i) {
        if (s[i].speed > maxSpeed)
            maxSpeed = s[i].speed, iS = i;
        if (s[i].rpm > maxRpm)
            maxRpm = s[i].rpm, iR = i;
    }
    const int accelEnd = std::min(iS, iR);
    const int coastBase = std::max(iS, iR);

    // Back while the engine speed was rising (equal counts as rising); where that cannot
    // take its first step, the run is that one sample.
    int accelStart = accelEnd;
    while (accelStart > 0 && s[accelStart - 1].rpm <= s[accelStart].rpm)
        --accelStart;

    CutRuns runs;
    for (int j = 0; j <= accelEnd - accelStart && j < GridRows; ++j) {
        const AccelSample& a = s[accelStart + j];
        runs.accel.SetCell(0, j, Format2(a.time));
        runs.accel.SetCell(1, j, Format2(a.rpm));
        runs.accel.SetCell(2, j, Format2(a.speed));
    }

    // Forward while the road speed does not rise; where that cannot take its first step,
    // the walk stops at once and leaves one row at most.
    int coastEnd = coastBase;
    if (coastBase + 1 < n) {
        coastEnd = coastBase + 1;
        while (coastEnd + 1 < n && s[coastEnd + 1].speed <= s[coastEnd].speed)
            ++coastEnd;
    }
    double previousDrop = 100.0;
    for (int k = 0; k <= coastEnd - coastBase - 1 && k < GridRows; ++k) {
        const int i = coastBase + k;
        const double drop = s[i].speed - s[i + 1].speed;
        if (drop > 2 * previousDrop + 0.01)
            break;
        if (!(s[i].speed < s[accelStart].speed || s[i + 1].speed <= 0 || s[i + 1].time <= 0)) {
            runs.coast.SetCell(0, k, Format2(s[i + 1].time));
            runs.coast.SetCell(1, k, Format2(s[i + 1].speed));
        }
        previousDrop = drop;
    }
    return runs;
}

} // namespace

bool MainUnit::ImportSettingsComplete()
{
    if (fMain.z_trenner == NoSeparatorItem || fMain.s_zeit.isEmpty() || fMain.s_umin.isEmpty() ||
        fMain.s_kmh.isEmpty()) {
        m_actions.ShowMessage(QString::fromUtf8("Einstellungen prüfen!\r\rImport für Log-Dateien"));
        return false;
    }
    return true;
}

bool MainUnit::ImportLog(const QString& fileName)
{
    const std::string timeText = platform::ToCp1252(fMain.s_zeit);
    const std::string rpmText = platform::ToCp1252(fMain.s_umin);
    const std::string speedText = platform::ToCp1252(fMain.s_kmh);
    const char sep = ImportSeparator;

    std::vector<AccelSample> samples;
    bool headerFound = false;
    bool seenTime = false, seenRpm = false, seenSpeed = false;
    Columns col;

    QFile file(fileName);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    file.close();
    for (std::string_view line :
         SplitLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        if (headerFound) {
            const auto t = NumberFormat.StrToFloat(std::string_view(CsvField(line, col.time, sep)));
            const auto r = NumberFormat.StrToFloat(std::string_view(CsvField(line, col.rpm, sep)));
            const auto v = NumberFormat.StrToFloat(std::string_view(CsvField(line, col.speed, sep)));
            if (!t || !r || !v || *t == 0 || *r == 0 || *v == 0)
                continue;
            if (!samples.empty() && samples.back().speed == *v)
                continue;
            samples.push_back({*t, *r, *v});
            continue;
        }
        std::size_t pT = Position(line, timeText);
        if (pT == 0)
            pT = Position(line, "MARKE");
        const std::size_t pR = Position(line, rpmText);
        const std::size_t pS = Position(line, speedText);
        if (pT > 0 && pR > 0 && pS > 0) {
            headerFound = true;
            col = {ColumnAt(line, pT, sep), ColumnAt(line, pR, sep), ColumnAt(line, pS, sep)};
        }
        seenTime = seenTime || pT > 0;
        seenRpm = seenRpm || pR > 0;
        seenSpeed = seenSpeed || pS > 0;
    }

    if (!seenTime)
        m_actions.ShowMessage(QString::fromUtf8(
            "\rSpalte für \"Zeitpunkt\" (STAMP) nicht gefunden. Bitte Importeinstellungen prüfen."));
    if (!seenRpm)
        m_actions.ShowMessage(
            QString::fromUtf8("\rSpalte für \"Drehzahl\" nicht gefunden. Bitte Importeinstellungen prüfen."));
    if (!seenSpeed)
        m_actions.ShowMessage(QString::fromUtf8(
            "\rSpalte für \"Geschwindigkeit\" (STAMP) nicht gefunden. Bitte Importeinstellungen prüfen."));
    if (!headerFound || samples.empty())
        return false;

    // A short run is imported as cut: the user keeps it and can paste or type the other, and
    // until both runs hold two samples the table and the diagram stay empty.
    CutRuns runs = Cut(samples);
    fMain.m_beschl = std::move(runs.accel);
    fMain.m_ausr = std::move(runs.coast);
    TabsChange();
    return true;
}

bool MainUnit::ImportLogFile(const QString& fileName)
{
    if (ImportLog(fileName))
        return true;
    m_actions.ShowMessage(QString::fromUtf8(ImportFailedText));
    m_actions.ShowPage(Page::ts5);
    return false;
}

} // namespace dynalyt
