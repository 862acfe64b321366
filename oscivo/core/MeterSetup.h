#pragma once
// The floating meters of the main dialog: which entry of the dialog's meter table each one
// takes, where it opens and how it is set up, and the value it shows after a reply. The dialog
// makes the windows and applies what is given here.

#include "oscivo/core/OscivoState.h"
#include "platform/WinTypes.h"

#include <string>

inline constexpr int kMileageMeter = 12;
inline constexpr int kConsumptionMeter = 13;
inline constexpr int kFirstAdvancedMeter = 14; // advanced value i is meter 14 + i
inline constexpr int kMeters = kFirstAdvancedMeter + kAdvancedValues;

// Screen coordinates, right and bottom outside.
struct MeterRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct MeterSetup {
    MeterRect rect;
    UINT number = 0; // handed to the window, which does not use it
    COLORREF needleColor = 0;
    COLORREF backColor = 0;
    // A slot meter without data keeps the meter's own defaults for the rest.
    bool configured = false;
    std::string units; // Windows-1252, as the host sends them
    std::string title; // Windows-1252
    double scaleMin = 0;
    double scaleMax = 0;
    int readoutDigits = 0;
    int scaleDigits = 0;
};

// The meter of slot row x 4 + field; its title from the labels of the slot's group and field.
MeterSetup SlotMeterSetup(int row, int field);
// The meter of advanced value i.
MeterSetup AdvancedMeterSetup(int index);
MeterSetup MileageMeterSetup();
MeterSetup ConsumptionMeterSetup();

// What meter `meter` shows for the values pushed to the scope: slot meter k value k, advanced
// meter i value i, the fuel-economy meters the mileage and the consumption.
double MeterValue(int meter, const double* values);
