// The scale of the selected slot in the Min and Max edits, and the step-width label.

#include "oscivo/core/OscivoModel.h"
#include "oscivo/core/SettingsStream.h"
#include "platform/Numbers.h"

namespace {

constexpr int kLastRow = kScopeSlots / kFields - 1;

// The selected slot's scale, when the slot has data.
std::optional<SlotScale> SelectedScale()
{
    const int slot = g_nSelRow * kFields + g_nSelField;
    if (g_nSlotGroup[slot] < 1)
        return std::nullopt;
    return ScaleOfSlot(slot);
}

} // namespace

void OscivoModel::SelectScaleSlot(int row, int field)
{
    if (g_nSlotGroup[row * kFields + field] < 1)
        row = field = 0;
    g_nSelRow = row;
    g_nSelField = field;
    m_selectionShown.fill(false);
    m_selectionShown[row * kFields + field] = true;
    // The texts go into the members too, so that the next exchange writes no stale text back.
    const auto scale = SelectedScale();
    m_strMin = scale ? platform::FormatC("%d", scale->min) : std::string();
    m_strMax = scale ? platform::FormatC("%d", scale->max) : std::string();
}

void OscivoModel::OnNextScaleSlot()
{
    int row = g_nSelRow;
    int field = g_nSelField;
    if (field < kFields - 1) {
        ++field;
    } else if (row < kLastRow) {
        ++row;
        field = 0;
    }
    SelectScaleSlot(row, field);
}

void OscivoModel::OnPrevScaleSlot()
{
    int row = g_nSelRow;
    int field = g_nSelField;
    if (field > 0) {
        --field;
    } else if (row > 0) {
        --row;
        field = kFields - 1;
    }
    SelectScaleSlot(row, field);
}

void OscivoModel::OnValueFocus(int slot)
{
    SelectScaleSlot(slot / kFields, slot % kFields);
}

void OscivoModel::OnKillFocusMax(std::string_view text)
{
    m_strMax = text;
    SetScaleFromText(text, true);
}

void OscivoModel::OnKillFocusMin(std::string_view text)
{
    m_strMin = text;
    SetScaleFromText(text, false);
}

void OscivoModel::SetScaleFromText(std::string_view text, bool maximum)
{
    const auto scale = SelectedScale();
    const auto value = ScanDecimalInt(text);
    if (!scale || !value)
        return;
    int& target = maximum ? scale->max : scale->min;
    if (*value == target)
        return;
    target = *value;
    g_bSlotRangeEdited[g_nSelRow * kFields + g_nSelField] = TRUE;
}

void OscivoModel::UpdateStepLabel()
{
    m_strStep = g_strStepLabel + platform::FormatC("%d", g_nStepWidth);
}
