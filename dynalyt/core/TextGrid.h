#pragma once
// A grid of cell texts: the measured-value grids and the result grid hold only text; the
// computation converts it when it reads the grids.

#include <QString>

#include <vector>

namespace dynalyt {

class TextGrid {
public:
    TextGrid(int colCount, int rowCount);

    int ColCount() const { return m_colCount; }
    int RowCount() const { return m_rowCount; }

    // Cells outside the grid read as empty and are not written.
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

    // Every cell empty.
    void Clear();

    bool operator==(const TextGrid&) const = default;

private:
    bool Inside(int col, int row) const;

    int m_colCount;
    int m_rowCount;
    std::vector<QString> m_cells;
};

} // namespace dynalyt
