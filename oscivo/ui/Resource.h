#pragma once
// Resource numbers of Oscivo's main dialog: its controls, icons, timers and system commands.
// The string table's numbers are in oscivo/core/OscivoStrings.h, the icons' in
// oscivo/core/IconIds.h.

#include "oscivo/core/IconIds.h"
#include "oscivo/core/OscivoState.h"
#include "platform/WinTypes.h"

#include <array>

// Controls of dialog 102
constexpr UINT IDC_SCOPE_FRAME = 1000; // the scope lies over it
constexpr UINT IDC_STOP = 1002;
constexpr UINT IDC_PAUSE = 1003;
constexpr UINT IDC_LOAD = 1004;
constexpr UINT IDC_NEXT_SLOT = 1005;
constexpr UINT IDC_PREV_SLOT = 1006;
constexpr UINT IDC_STEP_DOWN = 1007;
constexpr UINT IDC_STEP_UP = 1008;
constexpr UINT IDC_SLOT_FRAME = 1009; // + slot: the static under the slot's swatch
constexpr UINT IDC_ADV_FRAME = 1021;  // + i: under advanced value i's swatch
constexpr UINT IDC_VALUE = 1031;      // + slot
constexpr UINT IDC_ADV_VALUE = 1043;  // + i
constexpr UINT IDC_TIME = 1053;
constexpr UINT IDC_MIN = 1054;
constexpr UINT IDC_MAX = 1055;
constexpr UINT IDC_GRAPH = 1056;     // + slot
constexpr UINT IDC_ADV_GRAPH = 1068; // + i
constexpr UINT IDC_SPEED = 1078;
constexpr UINT IDC_STEP = 1079;
constexpr UINT IDC_VERT_SCALE = 1080;
constexpr UINT IDC_HORZ_SCALE = 1081;
constexpr UINT IDC_MAX_LABEL = 1082;
constexpr UINT IDC_MIN_LABEL = 1083;
constexpr UINT IDC_SPEED_GROUP = 1096;
constexpr UINT IDC_FASTER = 1097;
constexpr UINT IDC_SLOWER = 1098;
constexpr UINT IDC_MILEAGE = 1099;
constexpr UINT IDC_CONSUMPTION = 1100;
constexpr UINT IDC_FIRST = 1002; // every id from here to IDC_LAST exists; the relayout moves them
constexpr UINT IDC_LAST = 1112;

// The selection rectangle and the A/F check box of each slot.
constexpr std::array<UINT, kScopeSlots> g_nSlotBoxId = {1092, 1093, 1094, 1095, 1088, 1089,
                                                        1090, 1091, 1084, 1085, 1086, 1087};
constexpr std::array<UINT, kScopeSlots> kAirFuelId = {1101, 1102, 1103, 1104, 1106, 1105,
                                                      1107, 1108, 1110, 1109, 1111, 1112};

// Dialog timers, each of 100 ms
constexpr UINT kDialogTimerMs = 100;
constexpr UINT IDT_MODE_START = 1;
constexpr UINT IDT_RELAYOUT = 2;
constexpr UINT IDT_TITLE_HINT = 3;

// System commands; their low four bits are the platform's own.
constexpr UINT IDM_PREFERENCES = 16;
constexpr UINT IDM_ABOUTBOX = 32;
constexpr UINT IDM_PRINT = 64;
