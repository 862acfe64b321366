#pragma once
// Resource numbers of Verbrix: controls, commands and the string table.

#include "platform/WinTypes.h"

constexpr UINT IDS_ABOUTBOX = 101;

// "B&eenden" is the dialog's OK button, IDOK.
constexpr UINT IDC_RESET = 3;
constexpr UINT IDC_CONSUMPTION = 1000;
constexpr UINT IDC_AVERAGE = 1001;
constexpr UINT IDC_TOTAL = 1002;
constexpr UINT IDC_DISTANCE = 1003;

// The about item's command; the low four bits of a system command are the platform's own.
constexpr UINT IDM_ABOUTBOX = 0x0010;

constexpr UINT IDS_NO_HOST = 32000;
constexpr UINT IDS_NO_DATA = 32002;
constexpr UINT IDS_NO_SPEED = 32003;
constexpr UINT IDS_NO_FUEL_RATE = 32004;

// The application's name, the caption of every message box.
constexpr const char* kAppName = "Verbrix";
