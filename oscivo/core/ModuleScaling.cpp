// The scales of the identified module: loaded from its scaling file when the module changes,
// saved to the file they came from.

#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoModel.h"
#include "oscivo/core/ScalingFile.h"

int OscivoModel::LoadScaling()
{
    if (g_szScalingName == g_szLoadedScaling)
        return 0;
    g_szLoadedScaling = g_szScalingName;
    if (g_scalesOwner.set && g_scalesOwner.name == g_szScalingName)
        return 0;
    if (g_scalesOwner.set) {
        // Another module's scales belong to its file alone: save them there, and start this
        // module from fresh tables, so that groups its file lacks do not keep them.
        if (SaveScaling() == ScalingSave::Failed)
            m_effects.scalingSaveFailed = true;
        ResetScaleTables();
    }

    LoadPresets(kMassUnitScaling);
    g_scalesOwner = ScalesOwner{true, g_szScalingName, m_bObdMode};
    int result = 0;
    const QString path = ScalingFilePath(g_szScalingName);
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        // The tables get the new file's scales even when it cannot be written, so that the
        // previous module's scales are neither shown for this one nor saved into its file.
        ResetScales(m_bObdMode);
        bytes = FormatScalingFile(m_bObdMode);
        if (!WriteFileBytes(path, *bytes))
            result = -1;
    }
    ReadScalingFile(*bytes, m_bObdMode);
    ShowScalesOfSlots();
    return result;
}

void OscivoModel::ShowScalesOfSlots()
{
    UpdateStepLabel();
    for (int slot = 0; slot < kScopeSlots; ++slot)
        if (g_nSlotGroup[slot] > 0)
            SetSlotRange(slot, true, false);
}

ScalingSave OscivoModel::SaveScaling()
{
    if (!g_scalesOwner.set)
        return ScalingSave::Nothing;
    const bool written =
        WriteFileBytes(ScalingFilePath(g_scalesOwner.name), FormatScalingFile(g_scalesOwner.obd));
    return written ? ScalingSave::Saved : ScalingSave::Failed;
}
