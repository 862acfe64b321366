#pragma once
// What the plug-ins' "ConEvent" handlers share: the event name, and the reconnect after a
// lost connection.

#include "platform/WinTypes.h"

#include <string>

class CTelvoClient;

// The event name of a "ConEvent" payload ("Event=EVT_CON_DROP" gives "EVT_CON_DROP").
std::string ConEventName(const std::string& payload);

// Kind "1" and EVT_CON_DROP or EVT_CON_FAILURE.
BOOL IsConnectionLoss(const std::string& kind, const std::string& payload);

// For a connection loss: Disconnect, then one Connect to the host on port 2000, whose result
// is not looked at. Returns whether it was a loss.
BOOL ReconnectOnLoss(CTelvoClient& client, const std::string& kind, const std::string& payload);
