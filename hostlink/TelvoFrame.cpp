#include "hostlink/TelvoFrame.h"

#include "hostlink/ExtractField.h"

#include <string_view>

std::string FormatFrame(const std::string& name, int kind, int seq, const std::string& payload)
{
    return name + "," + std::to_string(kind) + "," + std::to_string(seq) + "\n" + payload + "\n\n";
}

std::string EventName(unsigned code)
{
    switch (code) {
    case EVT_CON_SUCCESS: return "EVT_CON_SUCCESS";
    case EVT_CON_FAILURE: return "EVT_CON_FAILURE";
    case EVT_CON_DROP: return "EVT_CON_DROP";
    case EVT_CON_ZERODATA: return "EVT_CON_ZERODATA";
    default: return {};
    }
}

std::string MakeConEvent(unsigned code)
{
    return "ConEvent,1,0\nEvent=" + EventName(code) + "\n\n";
}

BOOL SplitMessage(const std::string& message, std::string& name, std::string& kind, std::string& seq,
                  std::string& payload)
{
    const std::size_t h = message.find('\n');
    if (h == std::string::npos || h < 4)
        return FALSE;
    const int headerLen = static_cast<int>(h);
    if (!ExtractField(name, message.data(), headerLen, 0, ',', '\\') ||
        !ExtractField(kind, message.data(), headerLen, 1, ',', '\\') ||
        !ExtractField(seq, message.data(), headerLen, 2, ',', '\\'))
        return FALSE;
    // Everything between the header's LF and the terminator; a short message has none.
    const long count = static_cast<long>(message.size()) - static_cast<long>(h) - 3;
    payload = count > 0 ? message.substr(h + 1, static_cast<std::size_t>(count)) : std::string();
    return TRUE;
}
