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
        // Cells are looked for within the line only, so a long text stays one pass.
        const QStringView line = QStringView(text).mid(start, end - start);
        int col = leftCol;
        qsizetype cell = 0;
        for (qsizetype tab = line.indexOf(u'\t'); tab >= 0; tab = line.indexOf(u'\t', cell)) {
            grid.SetCell(col++, row, line.mid(cell, tab - cell).toString());
            cell = tab + 1;
        }
        grid.SetCell(col, row, line.mid(cell).toString());
        ++row;
        // CR LF, LF and a lone CR each end one line.
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
}

} // namespace dynalyt
