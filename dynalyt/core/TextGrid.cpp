#include "dynalyt/core/TextGrid.h"

namespace dynalyt {

TextGrid::TextGrid(int colCount, int rowCount)
    : m_colCount(colCount), m_rowCount(rowCount), m_cells(static_cast<std::size_t>(colCount * rowCount))
{
}

bool TextGrid::Inside(int col, int row) const
{
    return col >= 0 && col < m_colCount && row >= 0 && row < m_rowCount;
}

QString TextGrid::Cell(int col, int row) const
{
    return Inside(col, row) ? m_cells[static_cast<std::size_t>(row * m_colCount + col)] : QString();
}

void TextGrid::SetCell(int col, int row, const QString& text)
{
    if (Inside(col, row))
        m_cells[static_cast<std::size_t>(row * m_colCount + col)] = text;
}

void TextGrid::Clear()
{
    for (QString& cell : m_cells)
        cell.clear();
}

} // namespace dynalyt
