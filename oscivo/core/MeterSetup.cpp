#include "oscivo/core/MeterSetup.h"

#include "oscivo/core/OscivoStrings.h"
#include "platform/Numbers.h"

namespace {

constexpr int kMeterSize = 200;
constexpr int kCascade = 32; // each further meter opens this far from the one before
constexpr double kAdvancedScaleMax = 255.0;
constexpr int kFuelMeterLeft = 96;

MeterSetup Placed(int left, int top, UINT number, COLORREF needle)
{
    MeterSetup setup;
    setup.rect = MeterRect{left, top, left + kMeterSize, top + kMeterSize};
    setup.number = number;
    setup.needleColor = needle;
    setup.backColor = g_crBackColor;
    return setup;
}

// The two fuel-economy meters open one below the other, each with the needle of a slot's colour.
MeterSetup FuelMeter(int top, UINT number, int needleSlot, const std::string& units, UINT titleId,
                     int scaleMax)
{
    MeterSetup setup = Placed(kFuelMeterLeft, top, number, g_crLineColor[needleSlot]);
    setup.configured = true;
    setup.units = units;
    setup.title = ResStrBytes(titleId);
    setup.scaleMax = scaleMax;
    setup.readoutDigits = 1;
    return setup;
}

} // namespace

MeterSetup SlotMeterSetup(int row, int field)
{
    const int slot = row * kFields + field;
    MeterSetup setup = Placed(row * kCascade, field * kCascade, static_cast<UINT>(slot), g_crLineColor[slot]);
    const auto scale = ScaleOfSlot(slot);
    if (g_nSlotGroup[slot] < 1 || !scale)
        return setup;
    setup.configured = true;
    setup.units = g_strSlotUnit[slot];
    const GroupLabels& labels = g_labels[g_nSlotGroup[slot]];
    const int labelField = g_nSlotField[slot];
    setup.title = " " + labels.name[labelField] + " " + labels.text[labelField];
    if (setup.title == "  ")
        setup.title = ResStrBytes(IDS_METER) + " - " + g_strSlotUnit[slot];
    setup.scaleMin = scale->min;
    setup.scaleMax = scale->max;
    setup.readoutDigits = 1;
    return setup;
}

MeterSetup AdvancedMeterSetup(int index)
{
    MeterSetup setup = Placed(index * kCascade, 0, static_cast<UINT>(index), g_crLineColor[index]);
    setup.configured = true;
    setup.title = ResStrBytes(IDS_FIELD) + platform::FormatC("%d", index + 1);
    setup.scaleMax = kAdvancedScaleMax;
    return setup;
}

MeterSetup MileageMeterSetup()
{
    return FuelMeter(0, 13, 1, g_strUnitMpg, IDS_MILEAGE_TITLE, g_nMaxMileage);
}

MeterSetup ConsumptionMeterSetup()
{
    return FuelMeter(kCascade, 14, 2, g_strUnitL100km, IDS_CONSUMPTION_TITLE, g_nMaxConsumption);
}

double MeterValue(int meter, const double* values)
{
    if (meter == kMileageMeter)
        return g_dMileage;
    if (meter == kConsumptionMeter)
        return g_dConsumption;
    return meter >= kFirstAdvancedMeter ? values[meter - kFirstAdvancedMeter] : values[meter];
}
