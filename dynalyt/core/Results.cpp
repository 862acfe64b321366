// The result grid, the diagram and the maximum labels: cleared at the start of every
// recomputation, filled at its end.

#include "dynalyt/core/DynalytError.h"
#include "dynalyt/core/MainUnit.h"
#include "dynalyt/core/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace dynalyt {

void MainUnit::ClearResults()
{
    ResultRows.fill(ResultRow{});
    fMain.a.Clear();
    for (ChartSeries* s : {&Chart1.Series1, &Chart1.Series2, &Chart1.Series3})
        s->Clear();
    // Minimum before maximum: the chart refuses a minimum above its current maximum.
    for (ChartAxis* axis : {&Chart1.LeftAxis, &Chart1.RightAxis, &Chart1.BottomAxis}) {
        axis->SetMinimum(0);
        axis->SetMaximum(0);
    }
    fMain.maxps = QStringLiteral("kW: ...");
    fMain.maxnm = QStringLiteral("Nm: ...");
    fMain.maxg = QStringLiteral("G: ...");
}

void MainUnit::FillResultTable()
{
    struct Column {
        double ResultRow::*field;
        int decimals;
    };
    static constexpr Column Columns[] = {
        {&ResultRow::kmh, 2},   {&ResultRow::tAcc, 2},   {&ResultRow::tCoast, 2}, {&ResultRow::rpm, 0},
        {&ResultRow::v, 2},     {&ResultRow::E, 0},      {&ResultRow::pAcc, 2},   {&ResultRow::pDrag, 2},
        {&ResultRow::pCorr, 2}, {&ResultRow::torque, 2}, {&ResultRow::g, 2},
    };
    for (int row = 0; row < ResultRowCount; ++row)
        for (int col = 0; col < static_cast<int>(std::size(Columns)); ++col)
            fMain.a.SetCell(
                col, row,
                NumberFormat.FormatFloat(ResultRows[row].*Columns[col].field, Columns[col].decimals));
}

namespace {

// The top of the left axis: 1.1 times the highest value shown, rounded down to a multiple
// of 20, and raised in steps of 20 as long as it would cut off the top of a curve. The steps
// are counted, not added one by one: at magnitudes where 20 is below a double's precision
// adding it changes nothing, and the loop would never end.
double LeftAxisMaximum(double highest)
{
    const double x = std::nearbyint(CheckedFinite(1.1 * highest));
    double maximum = x - std::fmod(x, 20);
    if (maximum < highest)
        maximum = std::max(maximum + 20 * std::ceil((highest - maximum) / 20), highest);
    return maximum;
}

} // namespace

void MainUnit::FillChart()
{
    ChartModel& c = Chart1;
    for (ChartSeries* s : {&c.Series1, &c.Series2, &c.Series3})
        s->Clear();
    for (const ResultRow& r : ResultRows) {
        c.Series1.AddXY(r.rpm, r.pCorr);
        c.Series2.AddXY(r.rpm, r.torque);
        c.Series3.AddXY(r.rpm, r.g);
    }
    // Maximum before minimum: the chart refuses a maximum below its current minimum.
    c.RightAxis.SetMaximum(0.6);
    c.RightAxis.SetMinimum(0);
    c.RightAxis.SetIncrement(0.1);

    c.LeftAxis.SetMaximum(LeftAxisMaximum(std::max(c.Series1.MaxYValue(), c.Series2.MaxYValue())));
    c.LeftAxis.SetMinimum(0);
    c.LeftAxis.SetIncrement(20);

    c.BottomAxis.SetMaximum(c.Series1.MaxXValue());
    c.BottomAxis.SetMinimum(c.Series1.MinXValue());
    c.BottomAxis.SetIncrement(50);

    const double p = c.Series1.MaxYValue();
    fMain.maxps = QStringLiteral("kW: ") + NumberFormat.FormatFloat(p, 2) + QStringLiteral(" (") +
                  NumberFormat.FormatFloat(CheckedFinite(p * 1.36), 2) + QStringLiteral("PS)");
    fMain.maxnm = QStringLiteral("Nm: ") + NumberFormat.FormatFloat(c.Series2.MaxYValue(), 2);
    fMain.maxg = QStringLiteral("G: ") + NumberFormat.FormatFloat(c.Series3.MaxYValue(), 2);
}

} // namespace dynalyt
