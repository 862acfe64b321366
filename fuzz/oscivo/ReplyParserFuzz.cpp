// Oscivo's live replies: each line of the input is one "DataReply" payload, taken, identified,
// parsed and shown as the main dialog does, so that a sequence moves between modules, layouts
// and scaling files as a host's replies do.

#include "fuzz/FuzzCheck.h"
#include "fuzz/oscivo/OscivoFuzz.h"
#include "oscivo/core/OscivoState.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    oscivofuzz::FreshStart();
    OscivoModel model;
    for (const std::string_view payload : oscivofuzz::Split(oscivofuzz::Bytes(data, size), "\n")) {
        const BOOL advanced = g_bAdvancedMode;
        const BOOL prevAdvanced = g_bPrevAdvancedMode;
        const bool taken = model.TakeReply("1", payload);
        if (payload.size() >= kReplySize) { // refused before it reaches the buffer
            FUZZ_CHECK(!taken);
            continue;
        }
        oscivofuzz::CheckParsed();
        if (!taken) { // a malformed payload leaves the layout as it was
            FUZZ_CHECK(g_bAdvancedMode == advanced && g_bPrevAdvancedMode == prevAdvanced);
            continue;
        }
        oscivofuzz::CheckShown(model, model.ShowParsedReply());
    }
    oscivofuzz::CheckFilesStayInFolders();
    return 0;
}
