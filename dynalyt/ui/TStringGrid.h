#pragma once
// A string grid without fixed rows or columns, showing one grid of cell texts of the core:
// rows of 16 pixels, a range selection, editable or read-only.

#include <QTableView>

namespace dynalyt {

class TextGrid;
class TextGridModel;

class TStringGrid : public QTableView {
    Q_OBJECT
public:
    TStringGrid(TextGrid& grid, bool editable, int colWidth, QWidget* parent);

    // Writes an open cell editor's text into the grid, so that a handler reads what was typed.
    void CommitEditor();
    // The texts changed in the core: show them.
    void Refresh();
    // The left column and the top row of the selection (the current cell without one).
    int SelectionLeft() const;
    int SelectionTop() const;

private:
    QRect SelectionRect() const;
    TextGridModel* m_model;
};

} // namespace dynalyt
