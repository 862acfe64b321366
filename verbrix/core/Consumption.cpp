#include "verbrix/core/Consumption.h"

#include "hostlink/ExtractField.h"
#include "hostlink/FieldSearch.h"
#include "platform/Numbers.h"
#include "platform/TickClock.h"
#include "verbrix/core/Resource.h"

namespace {

// The largest speed (km/h) and fuel rate (l/h) a vehicle shows; a reply beyond it, or below 0,
// is not accounted. So no sum can grow beyond a double, and no display fills with digits.
constexpr double kMaxValue = 1000.0;

// A value field read as the C library reads a number; a text that does not begin with one
// reads as 0, and so do infinities and NaN. A negative zero reads as zero.
double ReadValue(const std::string& text)
{
    return platform::ReadLeadingNumber(text).value_or(0.0) + 0.0;
}

bool IsPlausible(double value)
{
    return value >= 0 && value <= kMaxValue;
}

// Index of the value belonging to the first field that holds the unit text, the value standing
// offset fields before its unit; -1 when there is none. A unit closer to the start than the
// offset has no value before it, so the search goes on past it.
int FindValueField(std::string_view payload, const char* unit, int offset)
{
    const int at = FindFieldContaining(payload, unit, ',', '\\', offset);
    return at < 0 ? -1 : at - offset;
}

std::string Formatted(double value)
{
    return platform::FormatFixed(value, 2);
}

} // namespace

ReplyVerdict FuelAccounting::OnHostDataReply(std::string_view kind, std::string_view payload)
{
    if (kind != "1")
        return {};
    return IsDetecting() ? DetectFields(payload) : Account(payload);
}

ReplyVerdict FuelAccounting::DetectFields(std::string_view payload)
{
    std::string first;
    if (!ExtractField(first, payload, 0))
        return {IDS_NO_DATA, TRUE};
    // OBD replies carry each value four fields before its unit.
    const int offset = first.find("OBD") != std::string::npos ? 4 : 1;
    if (const int speed = FindValueField(payload, " km/h", offset); speed >= 0)
        m_nSpeedField = speed;
    if (const int rate = FindValueField(payload, " l/h", offset); rate >= 0)
        m_nFuelRateField = rate;
    if (m_nSpeedField == -1)
        return {IDS_NO_SPEED, TRUE};
    if (m_nFuelRateField == -1)
        return {IDS_NO_FUEL_RATE, TRUE};
    // This reply only starts the clock; the next one accounts for the time since.
    m_dwLastTick = timeGetTime();
    m_dTotalLitres = 0;
    m_dAverage = 0;
    m_dDistanceKm = 0;
    return {};
}

ReplyVerdict FuelAccounting::Account(std::string_view payload)
{
    std::string speedText;
    if (!ExtractField(speedText, payload, m_nSpeedField))
        return {IDS_NO_SPEED, FALSE};
    std::string rateText;
    if (!ExtractField(rateText, payload, m_nFuelRateField))
        return {IDS_NO_FUEL_RATE, FALSE};

    const double v = ReadValue(speedText);
    const double rate = ReadValue(rateText);
    // Absurd values would fill the sums and displays until Reset: such a reply is not accounted,
    // as if it had not come, and the next one counts the time since the last reply that was.
    if (!IsPlausible(v) || !IsPlausible(rate))
        return {};
    // One reading for both sums and the next start, so that no time falls between them. The
    // unsigned difference counts a wrap of the clock right; it is taken as a double so that
    // a step of 50 ms does not round to nothing.
    const DWORD now = timeGetTime();
    const double hours = static_cast<double>(static_cast<DWORD>(now - m_dwLastTick)) / 3600000.0;
    m_dwLastTick = now;
    m_strConsumption = " --- ";
    if (v < 1.0) {
        m_dTotalLitres += rate * hours;
    } else {
        const auto r = static_cast<float>(rate);
        m_strConsumption = Formatted(r * (100.0 / v));
        m_dTotalLitres += hours * r;
        m_dDistanceKm += hours * v;
    }
    m_strTotal = Formatted(m_dTotalLitres);
    if (m_dDistanceKm > 0) {
        m_dAverage = m_dTotalLitres / m_dDistanceKm * 100;
        m_strAverage = Formatted(m_dAverage);
    }
    m_strDistance = Formatted(m_dDistanceKm);
    return {};
}

void FuelAccounting::Reset()
{
    m_dAverage = 0;
    m_dDistanceKm = 0;
    m_dTotalLitres = 0;
    m_dwLastTick = timeGetTime();
    m_strDistance = "0.00";
    m_strTotal = m_strDistance;
    m_strAverage = " --- ";
}
