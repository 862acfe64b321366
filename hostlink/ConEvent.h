#pragma once
// What the plug-ins' "ConEvent" handlers share: the event name, and whether it tells of a lost
// connection.

#include "platform/WinTypes.h"

#include <string>

// The event name of a "ConEvent" payload ("Event=EVT_CON_DROP" gives "EVT_CON_DROP").
std::string ConEventName(const std::string& payload);

// Kind "1" and EVT_CON_DROP or EVT_CON_FAILURE.
BOOL IsConnectionLoss(const std::string& kind, const std::string& payload);
