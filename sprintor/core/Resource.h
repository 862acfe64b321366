#pragma once
// Control, string, picture and sound numbers of Sprintor.

// Controls of the main dialog
constexpr int IDC_STARTSTOP = 1001;
constexpr int IDC_PRINT = 1002;
constexpr int IDC_GRAPH = 1003;
constexpr int IDC_LAMP = 1004;
constexpr int IDC_FROM = 1005;
constexpr int IDC_TO = 1006;
constexpr int IDC_SAVE = 1008;
constexpr int IDC_UNIT = 1009;
constexpr int IDC_URL = 1010;

// System-menu command of the about box
constexpr unsigned IDM_ABOUTBOX = 0x0010;

// Strings
constexpr unsigned IDS_ABOUTBOX = 101;
constexpr unsigned IDS_START = 20000;
constexpr unsigned IDS_CANCEL = 20001;
constexpr unsigned IDS_SAVE = 20002;
constexpr unsigned IDS_PRINT = 20003;
constexpr unsigned IDS_XTITLE = 32000;
constexpr unsigned IDS_YTITLE = 32001;
constexpr unsigned IDS_STRANGE_DATA = 32003;
constexpr unsigned IDS_NO_SPEED_BLOCK = 32004;
constexpr unsigned IDS_BLOCK_SWITCHED = 32005;
constexpr unsigned IDS_RESULT = 32006;
constexpr unsigned IDS_BITMAP_FILTER = 32009;
constexpr unsigned IDS_FILE_CREATE_FAILED = 32010;
constexpr unsigned IDS_HOST_UNREACHABLE = 32011;

// Lamp pictures and sounds
constexpr int IDR_WAVE_START = 133;
constexpr int IDR_WAVE_BEEP = 134;
constexpr int IDB_LAMP_OFF = 135;
constexpr int IDB_LAMP_AMBER = 136;
constexpr int IDB_LAMP_GREEN = 137;

// The application's name, the caption of every message box.
constexpr const char* kAppName = "Sprintor";
