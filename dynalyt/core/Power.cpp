// Power, torque and acceleration over the 48 result rows: coast-down times at the rows'
// speeds, kinetic energy and the powers from the two runs, their sum, smoothing, and the
// correction to standard air and tyre size.

#include "dynalyt/core/DynalytError.h"
#include "dynalyt/core/MainUnit.h"

#include <algorithm>
#include <cmath>

namespace dynalyt {

void MainUnit::InterpolateCoastTimes()
{
    for (std::size_t i = 0; i + 1 < CoastRun.size(); ++i) {
        const CoastSample& p = CoastRun[i];
        const CoastSample& q = CoastRun[i + 1];
        // Worked out for every segment, so equal times fail even where no row lies.
        const double m = CheckedDivide(q.speed - p.speed, q.time - p.time);
        const double b = p.speed - m * p.time;
        for (int k = ResultRowCount - 1; k >= 0; --k) {
            ResultRow& row = ResultRows[k];
            if (q.speed < row.kmh && row.kmh <= p.speed)
                row.tCoast = CheckedDivide(row.kmh - b, m);
        }
    }
}

void MainUnit::ComputeEnergyAndPower()
{
    for (ResultRow& r : ResultRows) {
        r.v = r.kmh / 3.6;
        r.E = 0.5 * VehicleMass * r.v * r.v;
    }
    for (int i = 0; i < ResultRowCount - 1; ++i) {
        ResultRow& r = ResultRows[i];
        const ResultRow& next = ResultRows[i + 1];
        const double dE = next.E - r.E;
        r.pAcc = r.tAcc == next.tAcc ? 0 : dE / std::fabs(next.tAcc - r.tAcc) / 1000;
        r.pDrag = r.tCoast == next.tCoast ? 0 : dE / std::fabs(next.tCoast - r.tCoast) / 1000;
        r.g = r.tAcc == next.tAcc ? 0 : (next.v - r.v) / (next.tAcc - r.tAcc) / 9.81;
    }
    ResultRow& last = ResultRows[ResultRowCount - 1];
    last.pAcc = last.pDrag = last.g = 0;
}

void MainUnit::SumPower()
{
    for (ResultRow& r : ResultRows)
        r.pSum = r.pAcc + r.pDrag;
}

void MainUnit::SmoothPower()
{
    // Weights 1 2 3 4 3 2 1 around each row, cut at the table's ends and divided by the sum
    // of the weights used.
    constexpr int Reach = 3;
    for (int i = 0; i < ResultRowCount; ++i) {
        double sum = 0;
        double weights = 0;
        for (int j = std::max(0, i - Reach); j <= std::min(ResultRowCount - 1, i + Reach); ++j) {
            const double w = Reach + 1 - std::abs(j - i);
            sum += w * ResultRows[j].pSum;
            weights += w;
        }
        ResultRows[i].pSmooth = sum / weights;
    }
}

void MainUnit::CorrectPower()
{
    for (ResultRow& r : ResultRows) {
        r.pCorr = 1.13 * r.pSmooth * AirCorrection * TyreRatio;
        r.torque = CheckedDivide(TyreRatio * r.pCorr, r.rpm * 0.00010471975512);
    }
}

} // namespace dynalyt
