#pragma once
// Where everything of the graph stands on one surface: the plot, the boxes of the four limit
// labels and the two lock toggles, the legend rows, and the strips and columns the axes draw
// in. It is computed without drawing, so that the screen, the bitmap file and the printed page
// each lay out their own picture, and only the screen keeps its layout for the mouse.

#include "platform/GdiTypes.h"

#include <vector>

struct GraphLayout {
    platform::Rect area;  // the whole picture
    int fontHeight = 0;   // of tick labels, legend names and readout
    platform::Rect inner; // the area less 4 px on every side
    int titleStrip = 0;   // width of the y-title strip and height of the x-title strip
    int gap = 0;
    int halfGap = 0;
    SIZE label;          // every tick label and label box: the widest y limit, measured
    int labelColumn = 0; // left of the y labels
    int labelRow = 0;    // bottom of the x labels
    platform::Rect plot; // empty (left not less than right) when the area is too small
    platform::Rect xMinLabel, xMaxLabel, yMinLabel, yMaxLabel;
    platform::Rect xLock, yLock;
    int legendRowHeight = 0;
    platform::Rect legend;                  // empty without a legend
    std::vector<platform::Rect> legendRows; // one per series with a legend, none without

    friend bool operator==(const GraphLayout&, const GraphLayout&) = default;
};

// The layout of an area for seriesCount series whose longest name has longestName characters,
// with tick labels of the given size. A legend is shown for two series or more.
GraphLayout LayOutGraph(const platform::Rect& area, int fontHeight, SIZE label, int seriesCount,
                        long long longestName);
