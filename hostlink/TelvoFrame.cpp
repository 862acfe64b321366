#include "hostlink/TelvoFrame.h"

#include "hostlink/ExtractField.h"

#include <string_view>

std::string FormatFrame(const std::string& name, int kind, int seq, const std::string& payload)
{
    return name + "," + std::to_string(kind) + "," + std::to_string(seq) + "\n" + payload + "\n\n";
}

namespace {

// The event name of a code ("EVT_CON_DROP"), empty for an unknown code.
std::string EventName(unsigned code)
{
    switch (code) {
    case EVT_CON_SUCCESS: return "EVT_CON_SUCCESS";
    case EVT_CON_FAILURE: return "EVT_CON_FAILURE";
    case EVT_CON_DROP: return "EVT_CON_DROP";
    default: return {};
    }
}

} // namespace

std::string MakeConEvent(unsigned code)
{
    return "ConEvent,1,0\nEvent=" + EventName(code) + "\n\n";
}

namespace {

// The position of the header's LF, or npos when the message has no header of at least four
// characters; the header's three fields go to name, kind and seq.
std::size_t SplitHeader(std::string_view message, std::string& name, std::string& kind, std::string& seq)
{
    const std::size_t h = message.find('\n');
    if (h == std::string_view::npos || h < 4)
        return std::string_view::npos;
    const std::string_view header = message.substr(0, h);
    if (!ExtractField(name, header, 0) || !ExtractField(kind, header, 1) || !ExtractField(seq, header, 2))
        return std::string_view::npos;
    return h;
}

} // namespace

BOOL SplitMessage(const std::string& message, std::string& name, std::string& kind, std::string& seq,
                  std::string& payload)
{
    const std::size_t h = SplitHeader(message, name, kind, seq);
    if (h == std::string_view::npos)
        return FALSE;
    // Everything between the header's LF and the terminator; a short message has none.
    payload = message.size() > h + 3 ? message.substr(h + 1, message.size() - h - 3) : std::string();
    return TRUE;
}

std::string MessageName(std::string_view message)
{
    std::string name, kind, seq;
    return SplitHeader(message, name, kind, seq) == std::string_view::npos ? std::string() : name;
}
