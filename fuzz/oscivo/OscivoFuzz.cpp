#include "fuzz/oscivo/OscivoFuzz.h"

#include "fuzz/FuzzCheck.h"
#include "fuzz/ScratchDir.h"
#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/OscivoStrings.h"
#include "oscivo/core/ReplyParser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace oscivofuzz {

namespace {

constexpr std::size_t kFieldSize = 100; // characters of a value or a unit in a reply

bool IsFinite(const std::optional<ValueRange>& range)
{
    return !range || (std::isfinite(range->min) && std::isfinite(range->max));
}

bool IsFinite(const std::optional<FuelMeterSetup>& setup)
{
    return !setup || std::isfinite(setup->scaleMax);
}

} // namespace

std::vector<std::string_view> Split(std::string_view input, std::string_view separator)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t end = input.find(separator);
        parts.push_back(input.substr(0, end));
        if (end == std::string_view::npos)
            return parts;
        input.remove_prefix(end + separator.size());
    }
}

QString FreshStart()
{
    QString base = fuzz::ScratchDir().path();
    QDir dir(base);
    for (const QString& entry : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString path = dir.filePath(entry);
        FUZZ_CHECK(QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path));
    }
    FUZZ_CHECK(dir.mkdir(QStringLiteral("Scaling")) && dir.mkdir(QStringLiteral("labels")));
    ResetOscivoState();
    InstallOscivoStrings();
    LoadStartupTexts();
    SetBaseDir(base);
    g_bLive = TRUE;
    g_bStopped = FALSE;
    return base;
}

void WriteFile(const QString& path, std::string_view bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly));
    FUZZ_CHECK(file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size()));
}

bool HoldsNoSeparator(std::string_view name)
{
    // 0x81, 0x8D, 0x8F, 0x90 and 0x9D, which Windows-1252 leaves undefined, decode to C1 controls.
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return c == '/' || c == '\\' || u < 0x20 || u == 0x7F || u == 0x81 || u == 0x8D || u == 0x8F ||
               u == 0x90 || u == 0x9D;
    });
}

void CheckParsed()
{
    const std::string_view reply = ReplyText();
    FUZZ_CHECK(reply.size() < kReplySize);
    FUZZ_CHECK(g_nReplyPos >= 0 && static_cast<std::size_t>(g_nReplyPos) <= reply.size());
    for (int k = 0; k < kScopeSlots; ++k) {
        FUZZ_CHECK(g_nSlotGroup[k] >= -1 && g_nSlotGroup[k] < kGroups); // -1 until a reply reaches the slot
        FUZZ_CHECK(g_nSlotField[k] >= 0 && g_nSlotField[k] < kFields);
        FUZZ_CHECK(g_strSlotUnit[k].size() <= kFieldSize);
        FUZZ_CHECK(std::isfinite(g_dSlotValue[k]));
    }
    FUZZ_CHECK(
        std::all_of(g_dAdvValue.begin(), g_dAdvValue.end(), [](double v) { return std::isfinite(v); }));
    const std::string_view name = g_szScalingName;
    FUZZ_CHECK(name.size() <= 19);
    FUZZ_CHECK(HoldsNoSeparator(name));
}

void CheckShown(const OscivoModel& model, const ReplyEffects& effects)
{
    for (int k = 0; k < kScopeSlots; ++k) {
        FUZZ_CHECK(std::isfinite(model.m_plotValues[k]));
        FUZZ_CHECK(IsFinite(effects.traceRange[k]) && IsFinite(effects.meterRange[k]));
    }
    FUZZ_CHECK(IsFinite(effects.mileageMeter) && IsFinite(effects.consumptionMeter));
    FUZZ_CHECK(std::isfinite(g_dConsumption) && std::isfinite(g_dMileage));
    FUZZ_CHECK(
        std::all_of(g_dFuelHistory.begin(), g_dFuelHistory.end(), [](double v) { return std::isfinite(v); }));
}

void CheckFilesStayInFolders(const std::vector<QString>& written)
{
    const QDir base(fuzz::ScratchDir().path());
    for (const QFileInfo& entry :
         base.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const bool folder = entry.isDir() && (entry.fileName() == QLatin1String("Scaling") ||
                                              entry.fileName() == QLatin1String("labels"));
        FUZZ_CHECK(folder || std::find(written.begin(), written.end(), entry.filePath()) != written.end());
    }
    for (const char* folder : {"Scaling", "labels"})
        for (const QFileInfo& entry :
             QDir(base.filePath(QLatin1String(folder)))
                 .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            FUZZ_CHECK(entry.isFile());
}

} // namespace oscivofuzz
