#include "oscivo/core/TitleHint.h"

#include "oscivo/core/OscivoState.h"
#include "oscivo/core/OscivoStrings.h"
#include "platform/StringTable.h"

std::optional<std::string> NextTitleHint()
{
    if (g_nTitleHintCount <= 0)
        return std::nullopt;
    --g_nTitleHintCount;
    const std::string tail =
        platform::HasString(IDS_TITLE_HINT) ? ResStrBytes(IDS_TITLE_HINT) : std::string();
    return "<=" + std::string(static_cast<std::size_t>(g_nTitleHintCount), '=') + tail;
}
