#include "oscivo/ui/OscivoTemplate.h"

#include "oscivo/ui/Resource.h"
#include "platform/DialogUnits.h"

namespace {

using K = ControlKind;

// Advanced value i: its edit's x, and the x of its check box and swatch.
constexpr int kAdvEditX[kAdvancedValues] = {10, 38, 66, 94, 121, 149, 176, 204, 231, 258};
constexpr int kAdvCheckX[kAdvancedValues] = {29, 57, 85, 112, 140, 168, 195, 223, 250, 276};

// The three rows of slots: the y of the value edits, the graph check boxes, the swatches and
// A/F boxes, and the selection rectangles.
constexpr int kValueY[] = {184, 200, 215};
constexpr int kGraphY[] = {189, 205, 220};
constexpr int kSwatchY[] = {183, 199, 215};
constexpr int kBoxY[] = {178, 194, 210};

std::vector<ControlTemplate> Build()
{
    std::vector<ControlTemplate> t = {
        {IDC_SCOPE_FRAME, K::BlackFrame, "", 0, 0, 362, 179, true},
        {IDC_SPEED_GROUP, K::GroupBox, "Geschwindigkeit", 3, 178, 57, 35, false},
        {IDC_VERT_SCALE, K::GroupBox, "Vert.Maßstab", 289, 178, 71, 33, true},
        {IDC_HORZ_SCALE, K::GroupBox, "Horiz.Maßstab", 289, 211, 71, 20, true},
    };
    for (int k = 0; k < kScopeSlots; ++k) {
        const int row = k / kFields;
        const int x = 56 * (k % kFields);
        t.push_back({g_nSlotBoxId[k], K::GroupBox, "", 63 + x, kBoxY[row], 54, 20, false});
    }

    const ControlTemplate singles[] = {
        {IDC_LOAD, K::DefaultIconButton, "Load log file", 2, 215, 17, 15, false},
        {IDC_PAUSE, K::IconButton, "Pause", 22, 215, 17, 15, true},
        {IDC_STOP, K::IconButton, "Stop", 42, 215, 17, 15, false},
        {IDC_SLOWER, K::IconButton, "-", 7, 187, 15, 8, false},
        {IDC_SPEED, K::CentredStatic, "", 24, 187, 14, 8, false},
        {IDC_FASTER, K::IconButton, "+", 40, 187, 15, 8, false},
        {IDC_TIME, K::CentredEdit, "", 13, 198, 34, 12, false},
        {IDC_MILEAGE, K::PushButton, "Mileage", 7, 185, 51, 10, false},
        {IDC_CONSUMPTION, K::PushButton, "Verbrauch", 7, 198, 51, 10, false},
        {IDC_NEXT_SLOT, K::IconButton, "+", 291, 188, 15, 9, true},
        {IDC_PREV_SLOT, K::IconButton, "-", 291, 199, 15, 9, true},
        {IDC_MAX_LABEL, K::Static, "Max:", 311, 187, 16, 8, true},
        {IDC_MIN_LABEL, K::Static, "Min:", 311, 199, 16, 8, true},
        {IDC_MAX, K::Edit, "", 330, 185, 27, 12, true},
        {IDC_MIN, K::Edit, "", 330, 198, 27, 12, true},
        {IDC_STEP_DOWN, K::IconButton, "-", 292, 219, 9, 11, true},
        {IDC_STEP, K::CentredStatic, "Schrittweite", 304, 220, 40, 8, true},
        {IDC_STEP_UP, K::IconButton, "+", 347, 219, 9, 11, true},
    };
    t.insert(t.end(), std::begin(singles), std::end(singles));

    for (int k = 0; k < kScopeSlots; ++k) {
        const int row = k / kFields;
        const int x = 56 * (k % kFields);
        const UINT slot = static_cast<UINT>(k);
        t.push_back({IDC_VALUE + slot, K::CentredEdit, "", 65 + x, kValueY[row], 42, 12, true});
        t.push_back({IDC_GRAPH + slot, K::CheckBox, "Check1", 108 + x, kGraphY[row], 8, 8, true});
        t.push_back({IDC_SLOT_FRAME + slot, K::SwatchStatic, "", 108 + x, kSwatchY[row], 7, 6, true});
        // Over the value edit, which gives way to it when it shows.
        t.push_back({kAirFuelId[k], K::CheckBox, "A/F", 89 + x, kSwatchY[row], 18, 8, false});
    }
    for (int i = 0; i < kAdvancedValues; ++i) {
        const UINT n = static_cast<UINT>(i);
        t.push_back({IDC_ADV_VALUE + n, K::Edit, "", kAdvEditX[i], 185, 18, 12, false});
        t.push_back({IDC_ADV_GRAPH + n, K::CheckBox, "", kAdvCheckX[i], 190, 8, 8, false});
        t.push_back({IDC_ADV_FRAME + n, K::SwatchStatic, "", kAdvCheckX[i], 185, 7, 6, false});
    }
    return t;
}

} // namespace

const std::vector<ControlTemplate>& OscivoDialogTemplate()
{
    static const std::vector<ControlTemplate> kTemplate = Build();
    return kTemplate;
}

QSize OscivoDialogSize()
{
    return platform::DialogRect(0, 0, 362, 230).size();
}
