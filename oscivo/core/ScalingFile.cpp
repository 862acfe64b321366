#include "oscivo/core/ScalingFile.h"

#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/SettingsStream.h"
#include "platform/Numbers.h"

namespace {

constexpr const char* kEol = "\r\n";
constexpr std::size_t kUnitSize = 15;
constexpr int kMinStepWidth = 1;
constexpr int kMaxStepWidth = 15;

int FieldsOf(BOOL obd)
{
    return obd ? 1 : kFields;
}

} // namespace

std::string FormatScalingFile(BOOL obd)
{
    std::string out = platform::FormatC("%d,", g_nStepWidth) + kEol;
    for (int g = 1; g < kGroups; ++g) {
        out += platform::FormatC("%d,", g);
        for (int f = 0; f < FieldsOf(obd); ++f)
            out += platform::FormatC("%d,%d,", g_nScaleMin[g][f], g_nScaleMax[g][f]);
        out += kEol;
    }
    return out;
}

void ReadScalingFile(std::string_view bytes, BOOL obd)
{
    SettingsStream stream(bytes);
    const auto step = stream.ReadIntToken();
    if (step && *step >= kMinStepWidth && *step <= kMaxStepWidth)
        g_nStepWidth = *step;
    // Each number goes into its place as it is read, so that a file cut off keeps what it holds.
    auto take = [&stream](int& target) {
        const auto value = stream.ReadIntToken();
        if (value)
            target = *value;
        return value.has_value();
    };
    for (;;) {
        const auto g = stream.ReadIntToken();
        if (!g || *g < 0 || *g >= kGroups)
            return;
        for (int f = 0; f < FieldsOf(obd); ++f)
            if (!take(g_nScaleMin[*g][f]) || !take(g_nScaleMax[*g][f]))
                return;
        if (*g == kGroups - 1)
            return;
    }
}

void ResetScales(BOOL obd)
{
    for (int g = 1; g < kGroups; ++g)
        for (int f = 0; f < FieldsOf(obd); ++f) {
            g_nScaleMin[g][f] = 0;
            g_nScaleMax[g][f] = 100;
        }
}

void FillBuiltInPresets(std::string_view massUnit)
{
    // The degree sign as the host writes it, in Windows-1252.
    const std::string degree = "\xB0";
    const Preset builtIn[] = {
        {"/min", 0, 6000}, {"V", 0, 20},     {degree + "C", -10, 120}, {std::string(massUnit), 0, 1500},
        {"%", -50, 150},   {"km/h", 0, 250}, {"mbar", 900, 2500},      {"Nm", 0, 400},
        {degree, -50, 50}, {"ms", 0, 30},
    };
    g_nPresetCount = 0;
    for (const Preset& preset : builtIn)
        g_presets[g_nPresetCount++] = preset;
}

void ReadDefaultsFile(std::string_view bytes)
{
    SettingsStream stream(bytes);
    int count = 0;
    while (count < kMaxPresets) {
        auto unit = stream.ReadStringToken();
        const auto min = stream.ReadIntToken();
        const auto max = stream.ReadIntToken();
        if (!unit || !min || !max)
            break;
        g_presets[count++] = Preset{std::move(*unit), *min, *max};
    }
    g_nPresetCount = count;
}

std::string PresetUnitText(std::string_view unit)
{
    std::string text;
    for (const char c : unit)
        if (c != ',' && c != '\r' && c != '\n' && text.size() < kUnitSize)
            text.push_back(c);
    return text;
}

std::string FormatDefaultsFile()
{
    std::string out;
    for (int i = 0; i < g_nPresetCount; ++i) {
        const Preset& preset = g_presets[i];
        out += PresetUnitText(preset.unit) + platform::FormatC(",%d,%d,", preset.min, preset.max) + kEol;
    }
    return out;
}

int WriteDefaultsFile()
{
    return WriteFileBytes(ScalingFilePath("Defaults.cfg"), FormatDefaultsFile()) ? 0 : -1;
}

int LoadPresets(std::string_view massUnit)
{
    if (const auto bytes = ReadFileBytes(ScalingFilePath("Defaults.cfg"))) {
        ReadDefaultsFile(*bytes);
        return 0;
    }
    MakeScalingDir();
    FillBuiltInPresets(massUnit);
    WriteDefaultsFile();
    return 1;
}
