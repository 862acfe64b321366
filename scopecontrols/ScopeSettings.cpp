#include "scopecontrols/ScopeSettings.h"

int g_nStepWidth = 3;
BOOL g_bShowUnits = TRUE;
BOOL g_bShowZeros = FALSE;
int g_nThickness = 0;
BOOL g_bAdvancedMode = FALSE;
std::array<int, kScopeSlots> g_nSlotGroup = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
std::array<std::string, kScopeSlots> g_strSlotUnit;

void ResetScopeSettings()
{
    g_nStepWidth = 3;
    g_bShowUnits = TRUE;
    g_bShowZeros = FALSE;
    g_nThickness = 0;
    g_bAdvancedMode = FALSE;
    g_nSlotGroup.fill(-1);
    g_strSlotUnit.fill(std::string());
}
