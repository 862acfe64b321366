#include "scopecontrols/ScopeGrid.h"

#include "platform/Codec1252.h"
#include "platform/Numbers.h"
#include "scopecontrols/ScopeSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using platform::CDC;
using platform::Rect;

namespace {

constexpr int kCharWidth = 6; // pixels allowed per character of a label

// Digits before the decimal point that a limit's label needs beyond the first.
int Digits(double limit)
{
    if (limit == 0 || !std::isfinite(limit))
        return 0;
    return std::abs(static_cast<int>(std::trunc(std::log10(std::fabs(limit)))));
}

QString LimitText(double limit, int slot)
{
    if (g_bShowUnits)
        return platform::FromCp1252(platform::FormatC("%g %s", limit, g_strSlotUnit[slot].c_str()));
    return platform::FromCp1252(platform::FormatC("%g", limit));
}

} // namespace

GridLayout LayOutGrid(const GridSpec& spec)
{
    GridLayout layout;
    Rect& plot = layout.plot;
    plot = spec.plot;
    const int digits =
        spec.traces.empty() ? 0 : std::max(Digits(spec.traces[0].upper), Digits(spec.traces[0].lower));
    const int units = g_bShowUnits == 1 ? 2 : 0;
    plot.left = spec.client.left + kCharWidth * (digits + units + spec.labelDecimals + 4);
    const int L = plot.left, T = plot.top, R = plot.right, B = plot.bottom;

    for (int j = 1; j <= spec.horzLines; ++j)
        layout.rows.push_back(T + j * (B - T) / (spec.horzLines + 1));
    for (int i = 1; i <= spec.vertLines; ++i)
        layout.columns.push_back(L + i * (R - L) / (spec.vertLines + 1));

    // Only slots that have data, and traces that exist, get limit labels.
    const int slotCount = std::min<int>(kScopeSlots, static_cast<int>(spec.traces.size()));
    auto labelled = [&](int s) { return !g_bAdvancedMode && g_nSlotGroup[s] > 0; };
    int n = 0;
    for (int s = 0; s < slotCount; ++s) {
        if (!labelled(s))
            continue;
        const GridTrace& trace = spec.traces[s];
        QString text = spec.upperText;
        if (text.isEmpty()) {
            text = LimitText(trace.upper, s);
            ++n;
        }
        layout.labels.push_back({text, trace.color, {L - 4, T - 16 + 11 * n}, TA_RIGHT | TA_TOP});
    }
    n = 0;
    for (int s = 0; s < slotCount; ++s) {
        if (!labelled(s))
            continue;
        const GridTrace& trace = spec.traces[s];
        QString text = spec.lowerText;
        if (text.isEmpty()) {
            if (trace.lower == 0 && !g_bShowZeros)
                continue;
            text = LimitText(trace.lower, s);
            ++n;
        }
        layout.labels.push_back({text, trace.color, {L - 4, B + 12 - 11 * n}, TA_RIGHT | TA_BASELINE});
    }
    // Before the first reply no slot has data; slot 0 with group 0 shows the raw byte range.
    if (g_nSlotGroup[0] == 0) {
        layout.labels.push_back({"0", spec.gridColor, {L - 4, B + 1}, TA_RIGHT | TA_BASELINE});
        layout.labels.push_back({"255", spec.gridColor, {L - 4, T + 4}, TA_RIGHT | TA_BASELINE});
        layout.labels.push_back({"128", spec.gridColor, {L - 4, (B + T) / 2 + 2}, TA_RIGHT | TA_BASELINE});
    }
    return layout;
}

void DrawGrid(CDC* dc, const Rect& client, const GridLayout& layout, const GridColors& colors)
{
    dc->FillSolidRect(client, colors.back); // also the labels' background
    const int L = layout.plot.left, T = layout.plot.top, R = layout.plot.right, B = layout.plot.bottom;

    const platform::Pen oldPen = dc->SelectObject(platform::Pen{PS_SOLID, 0, colors.frame});
    dc->MoveTo(L, T);
    dc->LineTo(R + 1, T);
    dc->LineTo(R + 1, B + 1);
    dc->LineTo(L, B + 1);
    dc->LineTo(L, T);
    dc->SelectObject(oldPen);

    for (int y : layout.rows)
        for (int x = L; x < R; x += 4)
            dc->SetPixel(x, y, colors.dots);
    for (int x : layout.columns)
        for (int y = T; y < B; y += 4)
            dc->SetPixel(x, y, colors.dots);

    platform::LogFont font;
    font.lfHeight = 14;
    font.lfWeight = FW_LIGHT;
    font.lfFaceName = "Arial";
    const platform::LogFont oldFont = dc->SelectObject(font);
    for (const GridLabel& label : layout.labels) {
        dc->SetTextColor(label.color);
        dc->SetTextAlign(label.align);
        dc->TextOut(label.at.x, label.at.y, label.text);
    }
    dc->SelectObject(oldFont);
}
