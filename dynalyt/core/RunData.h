#pragma once
// The records of the two measured runs and of the 48-row result table.

#include <array>
#include <vector>

namespace dynalyt {

struct AccelSample {
    double time;  // s
    double rpm;   // engine speed, 1/min
    double speed; // road speed, km/h
};

struct CoastSample {
    double time;  // s
    double speed; // road speed, km/h
};

// One speed step of the evaluation; all 0 after ClearResults.
struct ResultRow {
    double kmh = 0;     // road speed, km/h
    double tAcc = 0;    // time in the acceleration run, s
    double tCoast = 0;  // time in the coast-down run at this speed, s
    double rpm = 0;     // engine speed, 1/min
    double v = 0;       // road speed, m/s
    double E = 0;       // kinetic energy, J
    double pAcc = 0;    // acceleration power, kW
    double pDrag = 0;   // drag power, kW
    double pSum = 0;    // power sum, kW
    double pSmooth = 0; // smoothed power, kW
    double pCorr = 0;   // corrected power, kW
    double torque = 0;  // Nm
    double g = 0;       // acceleration, g
};

inline constexpr int ResultRowCount = 48;

using AccelRunArray = std::vector<AccelSample>;
using CoastRunArray = std::vector<CoastSample>;
using ResultTable = std::array<ResultRow, ResultRowCount>;

} // namespace dynalyt
