#include "testhost/Drive.h"

#include "platform/Numbers.h"
#include "testhost/ReplyPayload.h"

#include <algorithm>
#include <cmath>

namespace testhost {
namespace {

constexpr double kLoopSeconds = 60.0;
constexpr double kTopSpeed = 130.0;

double SpeedAt(double t)
{
    if (t < 5.0)
        return 0.0;
    if (t < 25.0)
        return kTopSpeed * (t - 5.0) / 20.0;
    if (t < 35.0)
        return kTopSpeed;
    if (t < 55.0)
        return kTopSpeed * (55.0 - t) / 20.0;
    return 0.0;
}

} // namespace

DriveSample DriveAt(double t)
{
    const double inLoop = std::fmod(std::max(t, 0.0), kLoopSeconds);
    const double speed = SpeedAt(inLoop);
    const bool accelerating = inLoop >= 5.0 && inLoop < 25.0;
    const bool coasting = inLoop >= 35.0 && inLoop < 55.0;
    // Five gears of 30 km/h each, idle at 800 1/min.
    const int gear = std::min(5, 1 + static_cast<int>(speed / 30.0));
    const double engine = speed > 0.0 ? 1200.0 + (speed - (gear - 1) * 30.0) * 110.0 - gear * 60.0 : 800.0;
    double fuel = 0.8;
    if (accelerating)
        fuel = 9.0 + speed * 0.05;
    else if (coasting)
        fuel = 0.0;
    else if (speed > 0.0)
        fuel = 2.0 + speed * 0.05;
    const double coolant = std::min(90.0, 20.0 + std::max(t, 0.0) * 0.6);
    return {engine, speed, fuel, coolant};
}

std::string DrivePayload(const DriveSample& s, bool obd)
{
    const std::string engine = platform::FormatFixed(s.engineSpeed, 0);
    const std::string road = platform::FormatFixed(s.roadSpeed, 1);
    const std::string fuel = platform::FormatFixed(s.fuelRate, 2);
    const std::string coolant = platform::FormatFixed(s.coolant, 1);
    if (obd)
        return ObdReply({{12, engine, "/min"}, {13, road, "km/h"}, {94, fuel, "l/h"}, {5, coolant, "°C"}});
    return StandardReply(
        "123 456 789 AB",
        {{1, 0, engine, "/min"}, {1, 1, road, "km/h"}, {1, 2, fuel, "l/h"}, {1, 3, coolant, "°C"}});
}

} // namespace testhost
