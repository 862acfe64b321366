// A module's scaling file: the input's first line is the module as a reply names it, the rest
// the bytes of its scaling file, which the target stores under the module's file name in lower
// case, so that the loader finds it whatever the case of its letters. The scales the loader
// takes are written and read back unchanged.

#include "fuzz/FuzzCheck.h"
#include "fuzz/oscivo/OscivoFuzz.h"
#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/ReplyParser.h"
#include "oscivo/core/ScalingFile.h"

#include <algorithm>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input = oscivofuzz::Bytes(data, size);
    const std::size_t lineEnd = std::min(input.find('\n'), input.size());
    oscivofuzz::FreshStart();
    OscivoModel model;
    g_szScalingName = MakeScalingName(input.substr(0, lineEnd));
    FUZZ_CHECK(oscivofuzz::HoldsNoSeparator(g_szScalingName));
    model.m_bObdMode = g_szScalingName == "OBD.SCL";
    oscivofuzz::WriteFile(ScalingFilePath(LowerCase(g_szScalingName)),
                          input.substr(std::min(lineEnd + 1, input.size())));

    FUZZ_CHECK(model.LoadScaling() == 0);
    FUZZ_CHECK(g_nStepWidth >= 1 && g_nStepWidth <= 15);
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
    oscivofuzz::CheckFilesStayInFolders();
    return 0;
}
