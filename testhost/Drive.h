#pragma once
// The built-in drive of the testhost program: a minute-long loop from standstill to 130 km/h
// and back, as the host's measuring blocks would show it.

#include <string>

namespace testhost {

struct DriveSample {
    double engineSpeed; // 1/min
    double roadSpeed;   // km/h
    double fuelRate;    // l/h
    double coolant;     // °C
};

// The state of the drive at t seconds after its start.
DriveSample DriveAt(double t);

// The "DataReply" payload for that state: one group of engine speed, road speed, fuel rate and
// coolant temperature, in the standard form, or in the OBD form when obd is set.
std::string DrivePayload(const DriveSample& sample, bool obd);

} // namespace testhost
