#pragma once
// The scope's grid surface as a value: where the plot lies once the label margin is taken,
// where the dotted grid lines run and which limit labels stand where in which colour. The
// layout is computed apart from the drawing, so that the screen and the printed page draw the
// same grid in their own colours.

#include "platform/DC.h"
#include "platform/GdiTypes.h"
#include "platform/WinTypes.h"

#include <QString>

#include <vector>

// What the grid shows of one trace: its limits and colour.
struct GridTrace {
    double lower = 0;
    double upper = 100;
    COLORREF color = 0;
};

// What the grid depends on, besides the scope settings that the layout reads itself.
struct GridSpec {
    platform::Rect client;
    platform::Rect plot; // as the window's size gives it; the layout widens its left margin
    int vertLines = 0;   // interior dotted lines
    int horzLines = 0;
    int labelDecimals = 0;
    QString lowerText; // replaces the lower or upper number labels when not empty
    QString upperText;
    COLORREF gridColor = 0;
    std::vector<GridTrace> traces; // trace s belongs to slot s
};

struct GridLabel {
    QString text;
    COLORREF color = 0;
    POINT at;
    UINT align = 0; // right-aligned, hanging from its point or standing on it
    friend bool operator==(const GridLabel&, const GridLabel&) = default;
};

struct GridLayout {
    platform::Rect plot;
    std::vector<int> rows;    // y of each horizontal dotted line
    std::vector<int> columns; // x of each vertical one
    std::vector<GridLabel> labels;
};

// The colours a grid is drawn in: the screen's, or the printed page's.
struct GridColors {
    COLORREF back;
    COLORREF frame;
    COLORREF dots;
};

// Lays out the grid; reads the slot groups, the display mode and the label switches and units
// of the scope settings as they are now.
GridLayout LayOutGrid(const GridSpec& spec);

// Fills client with the background and draws the frame, the dots and the labels.
void DrawGrid(platform::CDC* dc, const platform::Rect& client, const GridLayout& layout,
              const GridColors& colors);
