// Fuel economy from a fuel rate (a unit with "l/h") and a road speed (a unit with "km/h"):
// the consumption in l/100 km averaged over the latest samples, and the mileage in miles per
// US gallon; at a standstill the fuel rate itself and US gallons per hour.

#include "oscivo/core/OscivoModel.h"

#include <algorithm>

namespace {

constexpr double kMpgPerL100km = 235.2145; // MPG = 235.2145 / (l/100 km)
constexpr double kLitresPerGallon = 3.78541178;
constexpr double kMaxMileage = 999.9;
constexpr double kLeftOutOfAverage = 1000.0; // l/100 km at walking pace and the start values
constexpr double kStandingConsumptionScale = 10.0;
constexpr double kStandingMileageScale = 4.0;

// The last slot whose unit holds the text, or -1.
int LastSlotWithUnit(std::string_view unitPart)
{
    int found = -1;
    for (int slot = 0; slot < kScopeSlots; ++slot)
        if (g_strSlotUnit[slot].find(unitPart) != std::string::npos)
            found = slot;
    return found;
}

} // namespace

void OscivoModel::UpdateFuelEconomy()
{
    if (g_bRunning)
        return;
    const int fuelSlot = LastSlotWithUnit("l/h");
    const int speedSlot = LastSlotWithUnit("km/h");
    if (fuelSlot < 0 || speedSlot < 0) {
        m_fuelButtonsShown = false;
        m_effects.closeFuelMeters = true;
        return;
    }
    m_fuelButtonsShown = true;
    const double rate = g_dSlotValue[fuelSlot];
    const double speed = g_dSlotValue[speedSlot];

    if (speed == 0.0) {
        g_dConsumption = rate;
        m_effects.consumptionMeter = FuelMeterSetup{g_strSlotUnit[fuelSlot], kStandingConsumptionScale, {}};
        g_dMileage = rate / kLitresPerGallon;
        m_effects.mileageMeter = FuelMeterSetup{g_strUnitGalPerHour, kStandingMileageScale, 2};
        return;
    }

    const double current = rate * 100.0 / speed;
    m_effects.consumptionMeter = FuelMeterSetup{g_strUnitL100km, static_cast<double>(g_nMaxConsumption), {}};
    std::copy_backward(g_dFuelHistory.begin(), g_dFuelHistory.end() - 1, g_dFuelHistory.end());
    g_dFuelHistory[0] = current;
    const int depth = std::clamp(g_nFuelHistoryDepth, 1, kFuelHistorySize);
    double sum = 0.0;
    int counted = 0;
    for (int i = 0; i < depth; ++i)
        if (g_dFuelHistory[i] < kLeftOutOfAverage) {
            sum += g_dFuelHistory[i];
            ++counted;
        }
    g_dConsumption = counted > 0 ? sum / counted : current;

    m_effects.mileageMeter = FuelMeterSetup{g_strUnitMpg, static_cast<double>(g_nMaxMileage), 1};
    g_dMileage = g_dConsumption == 0.0 ? kMaxMileage : std::min(kMpgPerL100km / g_dConsumption, kMaxMileage);
}
