#pragma once
// The fuel accounting of Verbrix: finds the speed and fuel-rate fields in the host's first
// reply, then adds the fuel used and the distance driven since the previous reply and keeps
// the four display texts. No widgets: the dialog shows the texts and acts on the verdict.

#include "platform/WinTypes.h"

#include <string>
#include <string_view>

// What a reply asks of the dialog.
struct ReplyVerdict {
    UINT nMessageId = 0; // string to show after disconnecting; 0 = nothing to report
    BOOL bClose = FALSE; // the first reply failed: the dialog closes
};

class FuelAccounting {
public:
    FuelAccounting() = default;
    FuelAccounting(const FuelAccounting&) = delete;
    FuelAccounting& operator=(const FuelAccounting&) = delete;

    // One "DataReply"; only kind "1" is looked at. A reply whose speed (km/h) or fuel rate (l/h)
    // is below 0 or above 1000 is not accounted.
    ReplyVerdict OnHostDataReply(std::string_view kind, std::string_view payload);

    // Clears the sums and restarts the clock; the fields found stay.
    void Reset();

    bool IsDetecting() const { return m_nSpeedField == -1 || m_nFuelRateField == -1; }
    int SpeedField() const { return m_nSpeedField; }
    int FuelRateField() const { return m_nFuelRateField; }
    double TotalLitres() const { return m_dTotalLitres; }
    double DistanceKm() const { return m_dDistanceKm; }
    double Average() const { return m_dAverage; }

    const std::string& Consumption() const { return m_strConsumption; }
    const std::string& AverageText() const { return m_strAverage; }
    const std::string& TotalText() const { return m_strTotal; }
    const std::string& DistanceText() const { return m_strDistance; }

private:
    ReplyVerdict DetectFields(std::string_view payload);
    ReplyVerdict Account(std::string_view payload);

    std::string m_strConsumption = " --- ";
    std::string m_strAverage = " --- ";
    std::string m_strTotal = "0.00";
    std::string m_strDistance = "0.00";
    int m_nSpeedField = -1;
    int m_nFuelRateField = -1;
    double m_dAverage = 0;
    double m_dTotalLitres = 0;
    double m_dDistanceKm = 0;
    DWORD m_dwLastTick = 0;
};
