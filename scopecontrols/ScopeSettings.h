#pragma once
// The seven settings that Oscivo's scope reads directly instead of receiving them through calls.
// Oscivo writes them; the scope reads them at fixed moments: the step width when it is built and
// at every push and gap, the pen width at every change of a trace colour, the rest at every
// rebuild of its grid. A change takes effect only at the next such moment.

#include "platform/FilledArray.h"
#include "platform/WinTypes.h"

#include <array>
#include <string>

inline constexpr int kScopeSlots = 12;

// One element per slot.
template <typename T> using PerSlot = std::array<T, kScopeSlots>;

#define SCOPE_SETTING(type, name, start) extern type name;
#include "scopecontrols/ScopeSettings.inc"
#undef SCOPE_SETTING

// Puts every setting back to its value at process start, so that tests start alike.
void ResetScopeSettings();
