#include "oscivo/core/MeterSetup.h"

#include "oscivo/core/OscivoStrings.h"
#include "platform/Numbers.h"

namespace {

constexpr int kMeterSize = 200;
constexpr int kCascade = 32; // each further meter opens this far from the one before
constexpr double kAdvancedScaleMax = 255.0;

MeterSetup Placed(int left, int top, UINT number, COLORREF needle)
{
    MeterSetup setup;
    setup.rect = MeterRect{left, top, left + kMeterSize, top + kMeterSize};
    setup.number = number;
    setup.needleColor = needle;
    setup.backColor = g_crBackColor;
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
    MeterSetup setup = Placed(96, 0, 13, g_crLineColor[1]);
    setup.configured = true;
    setup.units = g_strUnitMpg;
    setup.title = ResStrBytes(IDS_MILEAGE_TITLE);
    setup.scaleMax = g_nMaxMileage;
    setup.readoutDigits = 1;
    return setup;
}

MeterSetup ConsumptionMeterSetup()
{
    MeterSetup setup = Placed(96, 32, 14, g_crLineColor[2]);
    setup.configured = true;
    setup.units = g_strUnitL100km;
    setup.title = ResStrBytes(IDS_CONSUMPTION_TITLE);
    setup.scaleMax = g_nMaxConsumption;
    setup.readoutDigits = 1;
    return setup;
}

double MeterValue(int meter, const double* values)
{
    if (meter == kMileageMeter)
        return g_dMileage;
    if (meter == kConsumptionMeter)
        return g_dConsumption;
    return meter >= kFirstAdvancedMeter ? values[meter - kFirstAdvancedMeter] : values[meter];
}
