// Reading the grids into the runs, and mapping the acceleration run of any length onto the
// 48 result rows.

#include "dynalyt/core/DynalytError.h"
#include "dynalyt/core/MainUnit.h"
#include "dynalyt/core/NumberFormat.h"

namespace dynalyt {
namespace {

void TakeSample(ResultRow& row, const AccelSample& s)
{
    row.tAcc = s.time;
    row.rpm = s.rpm;
    row.kmh = s.speed;
}

void CopySpeeds(ResultRow& row, const ResultRow& from)
{
    row.rpm = from.rpm;
    row.kmh = from.kmh;
}

} // namespace

void MainUnit::ReadRuns()
{
    AccelRun.clear();
    const TextGrid& accel = fMain.m_beschl;
    for (int row = 0; row < accel.RowCount(); ++row) {
        if (accel.Cell(0, row).isEmpty())
            continue;
        const auto t = NumberFormat.StrToFloat(accel.Cell(0, row));
        const auto n = NumberFormat.StrToFloat(accel.Cell(1, row));
        const auto v = NumberFormat.StrToFloat(accel.Cell(2, row));
        if (t && n && v)
            AccelRun.push_back({*t, *n, *v});
    }
    CoastRun.clear();
    const TextGrid& coast = fMain.m_ausr;
    for (int row = 0; row < coast.RowCount(); ++row) {
        if (coast.Cell(0, row).isEmpty())
            continue;
        const auto t = NumberFormat.StrToFloat(coast.Cell(0, row));
        const auto v = NumberFormat.StrToFloat(coast.Cell(1, row));
        if (t && v)
            CoastRun.push_back({*t, *v});
    }
    // The extra point closes the coast-down run with a straight segment down to a tenth of
    // its last speed, so that slower result rows still find a bracketing segment.
    if (CoastRun.size() >= 2)
        CoastRun.push_back({CoastRun.back().time + 80, CoastRun.back().speed / 10});
}

FittedLine MainUnit::FitLine(int first, int last, RunQuantity quantity) const
{
    FittedLine line;
    const double n = last - first + 1;
    double sx = 0, sy = 0, sxy = 0, sxx = 0;
    for (int i = first; i <= last; ++i) {
        const AccelSample& s = AccelRun[static_cast<std::size_t>(i)];
        const double x = s.time;
        const double y = quantity == RunQuantity::EngineSpeed ? s.rpm : s.speed;
        sx += x;
        sy += y;
        sxy += x * y;
        sxx += x * x;
    }
    const double divisor = n * sxx - sx * sx;
    // Samples with one time give no line: the chain ends as at any other division by zero.
    if (divisor == 0)
        throw DynalytError(QString::fromUtf8(DivideByZeroText));
    line.slope = (n * sxy - sx * sy) / divisor;
    line.intercept = (sy - line.slope * sx) / n;
    return line;
}

void MainUnit::ResampleRun()
{
    const int N = static_cast<int>(AccelRun.size());
    const auto s = [this](int k) -> const AccelSample& { return AccelRun[static_cast<std::size_t>(k)]; };
    auto& rows = ResultRows;
    if (N < 2)
        return;
    if (N == ResultRowCount) {
        for (int i = 0; i < ResultRowCount; ++i)
            TakeSample(rows[i], s(i));
        return;
    }
    if (N > ResultRowCount) {
        const int f = (N - 1) / 47;
        const int off = ((N - 1) % 47) / 2;
        for (int i = 0; i < ResultRowCount; ++i)
            TakeSample(rows[i], s(off + i * f));
        return;
    }
    const int c = 47 / (N - 1);
    const int off = (47 % (N - 1)) / 2;
    for (int k = 0; k < N; ++k)
        TakeSample(rows[off + k * c], s(k));
    for (int j = off - 1; j >= 0; --j) {
        rows[j].tAcc = rows[j + 1].tAcc - (s(1).time - s(0).time) / c;
        if (rows[j].tAcc < 0)
            rows[j].tAcc = rows[j + 1].tAcc;
        CopySpeeds(rows[j], rows[j + 1]);
    }
    for (int k = 0; k <= N - 2; ++k) {
        const FittedLine rpmLine = FitLine(k, k + 1, RunQuantity::EngineSpeed);
        const FittedLine speedLine = FitLine(k, k + 1, RunQuantity::RoadSpeed);
        for (int j = off + k * c + 1; j <= off + (k + 1) * c - 1; ++j) {
            rows[j].tAcc = rows[j - 1].tAcc + (s(k + 1).time - s(k).time) / c;
            rows[j].rpm = rpmLine.intercept + rpmLine.slope * rows[j].tAcc;
            rows[j].kmh = speedLine.intercept + speedLine.slope * rows[j].tAcc;
        }
    }
    for (int j = off + (N - 1) * c + 1; j < ResultRowCount; ++j) {
        rows[j].tAcc = rows[j - 1].tAcc + (s(N - 1).time - s(N - 2).time) / c;
        CopySpeeds(rows[j], rows[j - 1]);
    }
}

} // namespace dynalyt
