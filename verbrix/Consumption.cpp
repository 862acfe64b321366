#include "verbrix/Consumption.h"

#include "hostlink/ExtractField.h"
#include "platform/Numbers.h"
#include "platform/TickClock.h"
#include "verbrix/Resource.h"

#include <cfloat>

namespace {

// A value field read as the C library reads a number; a text that does not begin with one
// reads as 0, and so do infinities and NaN, so that no sum is spoilt for good.
double ReadValue(const std::string& text)
{
    return platform::ReadLeadingNumber(text).value_or(0.0);
}

// The fuel rate is held in single precision; a value beyond its range is held at the range's
// end rather than converted undefined.
float ToSingle(double value)
{
    return value > FLT_MAX ? FLT_MAX : (value < -FLT_MAX ? -FLT_MAX : static_cast<float>(value));
}

// Where the field after the one starting at start begins (past the next comma that no backslash
// escapes, the rule of ExtractField); npos when that field is the last.
std::size_t NextFieldStart(std::string_view text, std::size_t start)
{
    for (std::size_t pos = start; pos < text.size(); ++pos)
        if (text[pos] == ',' && (pos == 0 || text[pos - 1] != '\\'))
            return pos + 1;
    return std::string_view::npos;
}

// Index of the value belonging to the first field that holds the unit text, the value standing
// offset fields before its unit; -1 when there is none. A unit closer to the start than the
// offset has no value before it, so the search goes on past it. Each field is taken from its
// own start, so that a long reply costs one reading, not one per field.
int FindValueField(std::string_view payload, const char* unit, int offset)
{
    if (payload.empty())
        return -1;
    std::string field;
    for (std::size_t i = 0, start = 0; start != std::string_view::npos;
         ++i, start = NextFieldStart(payload, start)) {
        if (!ExtractField(field, payload.substr(start), 0))
            field.clear(); // the empty field after a closing comma
        if (i >= static_cast<std::size_t>(offset) && field.find(unit) != std::string::npos)
            return static_cast<int>(i) - offset;
    }
    return -1;
}

std::string Formatted(double value)
{
    return platform::FormatFixed(value, 2);
}

} // namespace

CReplyVerdict CConsumption::OnHostDataReply(std::string_view kind, std::string_view payload)
{
    if (kind != "1")
        return {};
    return IsDetecting() ? DetectFields(payload) : Account(payload);
}

CReplyVerdict CConsumption::DetectFields(std::string_view payload)
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

CReplyVerdict CConsumption::Account(std::string_view payload)
{
    std::string speedText;
    if (!ExtractField(speedText, payload, m_nSpeedField))
        return {IDS_NO_SPEED, FALSE};
    std::string rateText;
    if (!ExtractField(rateText, payload, m_nFuelRateField))
        return {IDS_NO_FUEL_RATE, FALSE};

    const double v = ReadValue(speedText);
    // One reading for both sums and the next start, so that no time falls between them. The
    // unsigned difference counts a wrap of the clock right; it is taken as a double so that
    // a step of 50 ms does not round to nothing.
    const DWORD now = timeGetTime();
    const double hours = static_cast<double>(static_cast<DWORD>(now - m_dwLastTick)) / 3600000.0;
    m_dwLastTick = now;
    if (v < 1.0) {
        const double r = ReadValue(rateText);
        m_strConsumption = " --- ";
        m_dTotalLitres += r * hours;
    } else {
        const float r = ToSingle(ReadValue(rateText));
        m_strConsumption = Formatted(r * (100.0 / v));
        m_dTotalLitres += hours * r;
        m_dDistanceKm += hours * v;
    }
    m_strTotal = Formatted(m_dTotalLitres);
    UpdateAverage();
    m_strDistance = Formatted(m_dDistanceKm);
    return {};
}

void CConsumption::UpdateAverage()
{
    if (m_dDistanceKm > 0) {
        m_dAverage = m_dTotalLitres / m_dDistanceKm * 100;
        m_strAverage = Formatted(m_dAverage);
    }
}

void CConsumption::Reset()
{
    m_dAverage = 0;
    m_dDistanceKm = 0;
    m_dTotalLitres = 0;
    m_dwLastTick = timeGetTime();
    m_strDistance = "0.00";
    m_strTotal = m_strDistance;
    m_strAverage = " --- ";
}
