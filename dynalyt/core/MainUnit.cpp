// TabsChange, the one entry of the whole computation, and the order of its chain.

#include "dynalyt/core/MainUnit.h"

#include "dynalyt/core/DynalytError.h"

namespace dynalyt {

MainUnit::MainUnit(IFormActions& actions) : m_actions(actions) {}

ChainResult MainUnit::TabsChange()
{
    ReadInputs();
    CheckInputs();
    try {
        ClearResults();
        ReadRuns();
        if (AccelRun.size() < 2 || CoastRun.size() < 2)
            return ChainResult::TooFewSamples;
        RunChain();
        return ChainResult::Filled;
    } catch (const DynalytError& e) {
        m_actions.ShowError(e.Text());
        return ChainResult::Failed;
    }
}

void MainUnit::RunChain()
{
    ResampleRun();
    InterpolateCoastTimes();
    ComputeEnergyAndPower();
    SumPower();
    SmoothPower();
    CorrectPower();
    // Values beyond a double (from absurd grid entries) end the chain here, before any of
    // them reaches a text or the chart.
    for (const ResultRow& r : ResultRows)
        for (double v : {r.kmh, r.tAcc, r.tCoast, r.rpm, r.v, r.E, r.pAcc, r.pDrag, r.pSum, r.pSmooth,
                         r.pCorr, r.torque, r.g})
            CheckedFinite(v);
    FillResultTable();
    FillChart();
}

} // namespace dynalyt
