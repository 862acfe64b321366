// Defaults.cfg, the unit presets: the input is read as the file, then its presets are written
// and read back; and the input's lines, taken as presets typed into the preferences dialog
// (eight bytes for the minimum and the maximum, the rest the unit), are written and read back.
// What the file is given comes back unchanged.

#include "fuzz/FuzzCheck.h"
#include "fuzz/oscivo/OscivoFuzz.h"
#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/ScalingFile.h"

#include <QDir>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kUnitSize = 15;

std::vector<Preset> PresetsInUse()
{
    return {g_presets.begin(), g_presets.begin() + g_nPresetCount};
}

bool Same(const std::vector<Preset>& a, const std::vector<Preset>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Preset& x, const Preset& y) {
        return x.unit == y.unit && x.min == y.min && x.max == y.max;
    });
}

// Written, every preset reads back, with its unit as a line holds it.
void CheckWrittenReadsBack()
{
    std::vector<Preset> expected;
    for (const Preset& preset : PresetsInUse())
        expected.push_back({PresetUnitText(preset.unit), preset.min, preset.max});
    FUZZ_CHECK(WriteDefaultsFile() == 0);
    g_presets.fill(Preset{});
    g_nPresetCount = 0;
    FUZZ_CHECK(LoadPresets(kMassUnitScaling) == 0);
    FUZZ_CHECK(Same(PresetsInUse(), expected));
}

// A unit as the dialog stores it: through PresetUnitText.
Preset Typed(std::string_view line)
{
    std::int32_t limits[2] = {};
    std::memcpy(limits, line.data(), std::min(line.size(), sizeof limits));
    line.remove_prefix(std::min(line.size(), sizeof limits));
    return {PresetUnitText(line), limits[0], limits[1]};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input = oscivofuzz::Bytes(data, size);
    const QString defaults = QDir(oscivofuzz::FreshStart()).filePath(QStringLiteral("Scaling/Defaults.cfg"));
    oscivofuzz::WriteFile(defaults, input);
    FUZZ_CHECK(LoadPresets(kMassUnitScaling) == 0);
    FUZZ_CHECK(g_nPresetCount >= 0 && g_nPresetCount <= kMaxPresets);
    for (const Preset& preset : PresetsInUse())
        FUZZ_CHECK(preset.unit.size() <= kUnitSize && preset.unit.find_first_of(",\n") == std::string::npos);
    CheckWrittenReadsBack();

    g_nPresetCount = 0;
    for (const std::string_view line : oscivofuzz::Split(input, "\n"))
        if (g_nPresetCount < kMaxPresets)
            g_presets[g_nPresetCount++] = Typed(line);
    CheckWrittenReadsBack();
    oscivofuzz::CheckFilesStayInFolders();
    return 0;
}
