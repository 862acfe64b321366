#pragma once
// Oscivo's string table: its ids and the texts, as the program's resources held them.

#include "platform/WinTypes.h"

#include <string>

constexpr UINT IDS_MENU_PREFS = 1;
constexpr UINT IDS_MENU_ABOUT = 2;
constexpr UINT IDS_STEP_LABEL = 3;
constexpr UINT IDS_MENU_PRINT = 4;
constexpr UINT IDS_HEADER_ERROR = 6;
constexpr UINT IDS_PARSE_ERROR = 7;
constexpr UINT IDS_SCALING_NOT_SAVED = 8;
constexpr UINT IDS_NOT_A_LOG = 9;
constexpr UINT IDS_DOH = 10;
constexpr UINT IDS_UNEXPECTED_END = 11;
constexpr UINT IDS_UH_OH = 12;
constexpr UINT IDS_LIVE_TITLE = 13;
constexpr UINT IDS_CHOOSE_LOG = 14;
constexpr UINT IDS_CANNOT_OPEN = 15;
constexpr UINT IDS_ERROR = 16;
constexpr UINT IDS_INCOMPLETE = 17;
constexpr UINT IDS_MAX_NOT_ABOVE_MIN = 18;
constexpr UINT IDS_PRESETS_FULL = 50;    // "Neu" with every preset in use
constexpr UINT IDS_PREFS_NOT_SAVED = 51; // "&Speichern" could not write the files
constexpr UINT IDS_FIELD = 19;
constexpr UINT IDS_LINE = 20;
constexpr UINT IDS_RANGE_THICKNESS = 21;
constexpr UINT IDS_RANGE_METER = 22;
constexpr UINT IDS_RANGE_DEPTH = 23;
constexpr UINT IDS_WRONG_VALUE = 24;
constexpr UINT IDS_VERSION = 25;
constexpr UINT IDS_LOG_FILES = 26;
constexpr UINT IDS_ALL_FILES = 27;
constexpr UINT IDS_COLOUR_FIRST = 28; // the fourteen colour names, 28 to 41, in colour-table order
constexpr UINT IDS_METER = 42;
constexpr UINT IDS_MILEAGE_TITLE = 43;
constexpr UINT IDS_CONSUMPTION_TITLE = 44;
constexpr UINT IDS_UNIT_MPG = 45;
constexpr UINT IDS_UNIT_L100KM = 46;
constexpr UINT IDS_UNIT_GAL_PER_HOUR = 47;
constexpr UINT IDS_TITLE_HINT = 48;
constexpr UINT IDS_PEAK = 49; // the meters' peak readout
constexpr UINT IDS_TIP_SLOWER = 30000;
constexpr UINT IDS_TIP_FASTER = 30001;
constexpr UINT IDS_TIP_LOAD = 30002;
constexpr UINT IDS_TIP_SWATCH = 30003;
constexpr UINT IDS_NO_HOST = 30004;
constexpr UINT IDS_TIP_GRAPH = 30005;
constexpr UINT IDS_TIP_SCALE_SLOT = 30006;

// Installs the table for ResStr and the application's name; the program and its tests call it
// before any text is fetched.
void InstallOscivoStrings();

// A text of the table as Windows-1252 bytes, the form in which Oscivo keeps the texts it puts
// beside the host's bytes (titles, units).
std::string ResStrBytes(UINT id);
