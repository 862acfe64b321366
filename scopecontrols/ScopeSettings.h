#pragma once
// The seven settings that Oscivo's scope reads directly instead of receiving them through calls.
// Oscivo writes them; the scope reads them at fixed moments: the step width when it is built and
// at every push and gap, the pen width at every change of a trace colour, the rest at every
// rebuild of its grid. A change takes effect only at the next such moment.
//
// Unit texts stay as the host's Windows-1252 bytes until they are shown.

#include "platform/WinTypes.h"

#include <array>
#include <string>

inline constexpr int kScopeSlots = 12;

extern int g_nStepWidth;                          // pixels the scope moves per pushed sample
extern BOOL g_bShowUnits;                         // limit labels carry the slot's unit text
extern BOOL g_bShowZeros;                         // a lower limit of 0 gets a label
extern int g_nThickness;                          // pen width of the traces, 0..10
extern BOOL g_bAdvancedMode;                      // the latest reply was an advanced block: no limit labels
extern std::array<int, kScopeSlots> g_nSlotGroup; // > 0: the slot has data
extern std::array<std::string, kScopeSlots> g_strSlotUnit; // unit text of each slot's entry

// Puts every setting back to its value at process start (g_nSlotGroup to -1, which the main
// dialog's initialisation also does), so that tests start alike.
void ResetScopeSettings();
