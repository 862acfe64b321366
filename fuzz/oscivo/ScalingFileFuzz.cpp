// A module's scaling file: the input's first line is the module as a reply names it, the rest
// the bytes of its scaling file, which the target stores under the module's file name in lower
// case, so that the loader finds it whatever the case of its letters. The scales the loader
// takes are written and read back unchanged, and so are scales typed into Min and Max: the file's
// bytes again, four to a number.

#include "fuzz/FuzzCheck.h"
#include "fuzz/oscivo/OscivoFuzz.h"
#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/ReplyParser.h"
#include "oscivo/core/ScalingFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// A Windows-1252 name with its ASCII letters in lower case.
std::string LowerCase(std::string_view name)
{
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The file's bytes as numbers typed into Min and Max, four bytes each, into the minimum and the
// maximum of each field of groups 1..255 in turn.
void TypeScales(std::string_view bytes, int fields)
{
    constexpr std::size_t kSize = sizeof(std::int32_t);
    for (int cell = 0; bytes.size() >= kSize && cell < 2 * fields * (kGroups - 1); ++cell) {
        std::int32_t value = 0;
        std::memcpy(&value, bytes.data(), kSize);
        bytes.remove_prefix(kSize);
        const int g = 1 + cell / (2 * fields);
        const int f = cell / 2 % fields;
        (cell % 2 == 0 ? g_nScaleMin : g_nScaleMax)[g][f] = value;
    }
}

// Saved, the step width and the scales read back unchanged.
void CheckSavedReadsBack(OscivoModel& model)
{
    const ScaleTable min = g_nScaleMin;
    const ScaleTable max = g_nScaleMax;
    const int step = g_nStepWidth;

    FUZZ_CHECK(model.SaveScaling() == ScalingSave::Saved);
    ResetScaleTables();
    g_nStepWidth = 3;
    const auto saved = ReadFileBytes(ScalingFilePath(g_szScalingName));
    FUZZ_CHECK(saved.has_value());
    ReadScalingFile(*saved, model.m_bObdMode);
    FUZZ_CHECK(g_nStepWidth == step);
    const int fields = model.m_bObdMode ? 1 : kFields;
    for (int g = 1; g < kGroups; ++g)
        for (int f = 0; f < fields; ++f)
            FUZZ_CHECK(g_nScaleMin[g][f] == min[g][f] && g_nScaleMax[g][f] == max[g][f]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input = oscivofuzz::Bytes(data, size);
    const std::size_t lineEnd = std::min(input.find('\n'), input.size());
    const std::string_view file = input.substr(std::min(lineEnd + 1, input.size()));
    oscivofuzz::FreshStart();
    OscivoModel model;
    g_szScalingName = MakeScalingName(input.substr(0, lineEnd));
    FUZZ_CHECK(oscivofuzz::HoldsNoSeparator(g_szScalingName));
    model.m_bObdMode = g_szScalingName == "OBD.SCL";
    oscivofuzz::WriteFile(ScalingFilePath(LowerCase(g_szScalingName)), file);

    FUZZ_CHECK(model.LoadScaling() == 0);
    FUZZ_CHECK(g_nStepWidth >= 1 && g_nStepWidth <= 15);
    CheckSavedReadsBack(model);
    TypeScales(file, model.m_bObdMode ? 1 : kFields);
    CheckSavedReadsBack(model);
    oscivofuzz::CheckFilesStayInFolders();
    return 0;
}
