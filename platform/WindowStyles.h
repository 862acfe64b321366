#pragma once
// The window style bits the programs pass when they create controls.

#include "platform/WinTypes.h"

constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_BORDER = 0x00800000;
