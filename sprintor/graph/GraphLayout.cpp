#include "sprintor/graph/GraphLayout.h"

#include <algorithm>
#include <climits>

using platform::Rect;

GraphLayout LayOutGraph(const Rect& area, int fontHeight, SIZE label, int seriesCount, long long longestName)
{
    GraphLayout l;
    l.area = area;
    l.fontHeight = fontHeight;
    const int F = fontHeight;
    const int h = F + 4, g = h / 3, s = g / 2;
    const int L = area.left + 4, T = area.top + 4, R = area.right - 4, B = area.bottom - 4;
    const int cx = label.cx, cy = label.cy;
    const int Lx = L + h, By = B - h - g;
    l.inner = Rect(L, T, R, B);
    l.titleStrip = h, l.gap = g, l.halfGap = s;
    l.label = label;
    l.labelColumn = Lx, l.labelRow = By;

    l.plot = Rect(Lx + cx + s, T + g + cy, R - h, By - cy - s);
    l.legendRowHeight = cy + 4;
    if (seriesCount >= 2) {
        const int k = seriesCount, r = l.legendRowHeight;
        // At least five characters wide; a name of absurd length cannot overflow the sums.
        const long long n = std::max(5LL, longestName);
        const int w = static_cast<int>(std::min(n * F / 2, static_cast<long long>(INT_MAX / 4)));
        const int mid = (l.plot.top + l.plot.bottom) / 2;
        l.legend = Rect((R - h) - w, mid - (k * r) / 2, (R - h) + 10, mid + (k * r) / 2);
        l.plot.right = (R - h) - 10 - w;
        for (int i = 0; i < k; ++i)
            l.legendRows.emplace_back(l.legend.left, l.legend.top + i * r, l.legend.right,
                                      l.legend.top + (i + 1) * r - 1);
    }

    const Rect& p = l.plot;
    l.xMinLabel = Rect(p.left - cx - 2, By - cy - 2, p.left + 2, By + 2);
    l.xMaxLabel = Rect(p.right - cx - 2, By - cy - 2, p.right + 2, By + 2);
    l.yMinLabel = Rect(Lx - 2, p.bottom - cy - 2, Lx + cx + 2, p.bottom + 2);
    l.yMaxLabel = Rect(Lx - 2, p.top - cy - 2, Lx + cx + 2, p.top + 2);
    l.xLock = Rect(L, By - cy - 2, L + h, By + 2);
    l.yLock = Rect(Lx + cx + 2 - h, B - h, Lx + cx + 2, B);
    return l;
}
