#pragma once
// Small host logs of the three forms, written as the host writes them (CR LF, Windows-1252),
// for the log reader's tests and the oscivo-logdump test.

#include <cstdio>
#include <string>
#include <vector>

namespace logsamples {

inline const std::string kDegrees = "\xB0"
                                    "C";

inline const std::string kLine1 = "Dienstag,10,Dezember,2026,19:21:33:0100\r\n";

// Line 4 of a standard log with the groups 1, 3 and 20, then the lines up to the units line:
// 31 commas from row 2's group number past the units line's first column.
inline const std::string kStandardGroups = ",Group A:,'001,,,,Group B:,'003,,,,Group C:,'020,,,\r\n"
                                           "Kanal,A1,A2,A3,A4,,B1,B2,B3,B4,,C1,C2,C3,C4,\r\n"
                                           ",,,,,,,,,,,,\r\n";

// Units with one leading blank as the host writes them; "  \xB0C" has two, "bar" none.
inline const std::string kStandardUnits = "MARKE,STAMP, /min, km/h, %,  \xB0"
                                          "C,STAMP, V, A,bar, mbar,STAMP, a, b, c, d\r\n";

inline std::string StandardHeader(const std::string& line2 = "123 456 789 AB,Standard\r\n")
{
    return kLine1 + line2 + "Messwerte\r\n" + kStandardGroups + kStandardUnits;
}

inline const std::string kStandardData = ",0.5,850,12.5,30,90,0.5,12.1,3,1.2,980,0.6,1,2,3,4\r\n"
                                         ",1.0,900,13,31,91,1.0,12.2,4,1.3,981,1.1,5,6,7,8\r\n";

inline std::string StandardLog()
{
    return StandardHeader() + kStandardData;
}

// Parameters 12 and 13, none, and 5; units only for the parameters above 0.
inline const std::string kObdHeader = kLine1 + "OBD-II,Mode 01\r\n" +
                                      "MARKE,STAMP,PID-$012,STAMP,PID-$013,STAMP,PID-$000,STAMP,PID-$005\r\n"
                                      "MARKE,STAMP,(1/min),STAMP,(km/h),STAMP,-,STAMP,(\xB0"
                                      "C)\r\n";

inline const std::string kObdData = ",0.25,850,0.25,42,0.25,0,0.25,88\r\n"
                                    ",0.5,900,0.5,44,0.5,0,0.5,89\r\n";

inline std::string ObdLog()
{
    return kObdHeader + kObdData;
}

// Slot k shows group k / 4 + 1, field k % 4.
inline std::string AdvancedPairs()
{
    std::string pairs;
    for (int slot = 0; slot < 12; ++slot)
        pairs += "G00" + std::to_string(slot / 4 + 1) + ",F" + std::to_string(slot % 4) + ",";
    return pairs;
}

inline std::string AdvancedHeader(const std::string& pairs = AdvancedPairs())
{
    const char* const degreesC = " \xB0"
                                 "C";
    std::string units = "MARKE";
    for (const char* unit :
         {" /min", " km/h", " %", degreesC, " V", " A", " bar", " mbar", " a", " b", " c", " d"})
        units += std::string(",STAMP,") + unit;
    return kLine1 + "123 456 789 AB,ADVMB,\r\n" + "MARKE,STAMP," + pairs + "\r\n" + "Messwerte\r\n" +
           "Kanal\r\n" + "\r\n" + units + ",\r\n";
}

inline std::string AdvancedData(double time, int first)
{
    std::string line;
    for (int slot = 0; slot < 12; ++slot)
        line += "," + std::to_string(time).substr(0, 4) + "," + std::to_string(first + slot);
    return line + "\r\n";
}

inline std::string AdvancedLog()
{
    return AdvancedHeader() + AdvancedData(0.10, 100) + AdvancedData(0.35, 200);
}

// The units as the header readers keep them: one leading blank dropped.
inline const std::vector<std::string> kStandardSlotUnits = {
    "/min", "km/h", "%", " " + kDegrees, "V", "A", "bar", "mbar", "a", "b", "c", "d"};
inline const std::vector<std::string> kAdvancedSlotUnits = {"/min", "km/h", "%", kDegrees, "V", "A",
                                                            "bar",  "mbar", "a", "b",      "c", "d"};

inline std::string Entry(int group, int field, const std::string& value, const std::string& unit)
{
    char head[16];
    std::snprintf(head, sizeof head, "G%03d,F%d,", group, field);
    return head + value + "," + unit + ",";
}

inline std::string EmptyEntries(int count)
{
    std::string entries;
    for (int i = 0; i < count; ++i)
        entries += "G000,,,,";
    return entries;
}

inline const std::string kModule = "123-456-789-AB,"; // the module as the converted replies name it

// The replies of lines of the sample logs with these values.
inline std::string StandardReply(const std::vector<std::string>& values)
{
    const int groups[] = {1, 3, 20};
    std::string reply = kModule;
    for (std::size_t slot = 0; slot < 12; ++slot)
        reply += Entry(groups[slot / 4], static_cast<int>(slot % 4), values[slot], kStandardSlotUnits[slot]);
    return reply;
}

inline std::string ObdReply(const std::string& rpm, const std::string& speed, const std::string& temperature)
{
    return "OBD.LBL," + Entry(12, 0, rpm, "1/min") + Entry(13, 0, speed, "km/h") + EmptyEntries(1) +
           Entry(5, 0, temperature, kDegrees) + EmptyEntries(8);
}

inline std::string AdvancedReply(int first)
{
    std::string reply = kModule;
    for (std::size_t slot = 0; slot < 12; ++slot)
        reply += Entry(static_cast<int>(slot / 4 + 1), static_cast<int>(slot % 4),
                       std::to_string(first + slot), kAdvancedSlotUnits[slot]);
    return reply;
}

} // namespace logsamples
