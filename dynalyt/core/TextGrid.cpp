#include "dynalyt/core/TextGrid.h"

namespace dynalyt {

namespace {

// The cells lie row by row; the index is reckoned in size_t, so that it cannot overflow.
std::size_t CellIndex(int col, int row, int colCount)
{
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(colCount) + static_cast<std::size_t>(col);
}

} // namespace

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
    return Inside(col, row) ? m_cells[CellIndex(col, row, m_colCount)] : QString();
}

void TextGrid::SetCell(int col, int row, const QString& text)
{
    if (Inside(col, row))
        m_cells[CellIndex(col, row, m_colCount)] = text;
}

void TextGrid::Clear()
{
    for (QString& cell : m_cells)
        cell.clear();
}

} // namespace dynalyt
