// Paste of clipboard text into a measured-value grid.

#include "dynalyt/core/MainUnit.h"

namespace dynalyt {

void MainUnit::PasteIntoGrid(TextGrid& grid, int leftCol, int topRow, const QString& text)
{
    int row = topRow;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        int col = leftCol;
        qsizetype cell = start;
        for (qsizetype tab = text.indexOf(u'\t', cell); tab >= 0 && tab < end;
             tab = text.indexOf(u'\t', cell)) {
            grid.SetCell(col++, row, text.mid(cell, tab - cell));
            cell = tab + 1;
        }
        grid.SetCell(col, row, text.mid(cell, end - cell));
        ++row;
        // CR LF, LF and a lone CR each end one line.
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
}

} // namespace dynalyt
