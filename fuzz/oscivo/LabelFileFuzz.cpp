// A module's label files: the input's first line is the module as a reply names it; after it,
// parts ended by a line "@@" are its own file (with the suffix), the file it shares (without
// the suffix) and "TARGET.LBL", which a REDIRECT line may name. An empty part stands for a
// missing file. The labels the loader takes fit their fields, and every name it looks up stays
// in the labels folder.

#include "fuzz/FuzzCheck.h"
#include "fuzz/oscivo/OscivoFuzz.h"
#include "oscivo/core/LabelFile.h"
#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/ReplyParser.h"

#include <algorithm>

namespace {

constexpr std::size_t kNameSize = 127;
constexpr std::size_t kTextSize = 31;
constexpr std::size_t kRedirectTargetSize = 20;

void CheckLabels()
{
    for (int g = 0; g < kGroups; ++g) {
        const GroupLabels& labels = g_labels[g];
        FUZZ_CHECK(labels.title.size() <= kNameSize);
        for (int f = 0; f < kFields; ++f)
            FUZZ_CHECK(labels.name[f].size() <= kNameSize && labels.text[f].size() <= kTextSize);
        if (g == 0) // no group 0 has labels
            FUZZ_CHECK(labels.title.empty() &&
                       std::all_of(labels.name.begin(), labels.name.end(),
                                   [](const std::string& name) { return name.empty(); }));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input = oscivofuzz::Bytes(data, size);
    const std::size_t lineEnd = std::min(input.find('\n'), input.size());
    oscivofuzz::FreshStart();
    g_szScalingName = MakeScalingName(input.substr(0, lineEnd));
    const std::string own = MakeLabelFileName(true);
    const std::string shared = MakeLabelFileName(false);
    FUZZ_CHECK(oscivofuzz::HoldsNoSeparator(own) && oscivofuzz::HoldsNoSeparator(shared));

    const std::vector<std::string_view> parts =
        oscivofuzz::Split(input.substr(std::min(lineEnd + 1, input.size())), "@@\n");
    const std::string names[] = {own, shared, "TARGET.LBL"};
    for (std::size_t i = std::min<std::size_t>(parts.size(), 3); i-- > 0;) // own last: it wins a shared name
        if (!parts[i].empty())
            // Where the loader looks (a name may start with ":", which QDir would take for a resource).
            oscivofuzz::WriteFile(LabelFilePath(names[i]), parts[i]);

    LoadLabels();
    CheckLabels();
    FUZZ_CHECK(oscivofuzz::HoldsNoSeparator(g_szRedirectPath) &&
               g_szRedirectPath.size() < kRedirectTargetSize);
    oscivofuzz::CheckFilesStayInFolders();
    return 0;
}
