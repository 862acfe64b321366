#pragma once
// The host message frame: "name,kind,seq" LF payload LF LF, and the connection events that the
// link makes for itself as "ConEvent" messages.

#include "platform/WinTypes.h"

#include <string>
#include <string_view>

// Connection event codes carried by "ConEvent" (only success and drop are raised here).
constexpr unsigned EVT_CON_SUCCESS = 0;
constexpr unsigned EVT_CON_FAILURE = 1;
constexpr unsigned EVT_CON_DROP = 2;

// The port of the host on the local machine.
constexpr int TELVO_HOST_PORT = 2000;

// One frame as it goes onto the wire.
std::string FormatFrame(const std::string& name, int kind, int seq, const std::string& payload);

// The "ConEvent" message for an event, as if it had been received.
std::string MakeConEvent(unsigned code);

// A received message split into header fields and payload; FALSE when it does not split
// (no header of at least four characters before the first LF, or fewer than three fields).
BOOL SplitMessage(const std::string& message, std::string& name, std::string& kind, std::string& seq,
                  std::string& payload);

// The name of a message that splits as above; empty for one that does not.
std::string MessageName(std::string_view message);
