#include "scopecontrols/ScopeSettings.h"

#define SCOPE_SETTING(type, name, start) type name = start;
#include "scopecontrols/ScopeSettings.inc"
#undef SCOPE_SETTING

void ResetScopeSettings()
{
#define SCOPE_SETTING(type, name, start) name = start;
#include "scopecontrols/ScopeSettings.inc"
#undef SCOPE_SETTING
}
