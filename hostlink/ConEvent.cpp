#include "hostlink/ConEvent.h"

#include "hostlink/ExtractField.h"

std::string ConEventName(const std::string& payload)
{
    std::string name;
    ExtractField(name, payload, 1, '=');
    return name;
}

BOOL IsConnectionLoss(const std::string& kind, const std::string& payload)
{
    if (kind != "1")
        return FALSE;
    const std::string name = ConEventName(payload);
    return name == "EVT_CON_DROP" || name == "EVT_CON_FAILURE";
}
