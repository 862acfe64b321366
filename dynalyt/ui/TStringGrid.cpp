#include "dynalyt/ui/TStringGrid.h"

#include "dynalyt/ui/TextGridModel.h"

#include <QHeaderView>

namespace dynalyt {

TStringGrid::TStringGrid(TextGrid& grid, bool editable, int colWidth, QWidget* parent)
    : QTableView(parent), m_model(new TextGridModel(grid, editable, this))
{
    setModel(m_model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(16);
    verticalHeader()->setMinimumSectionSize(16);
    horizontalHeader()->setDefaultSectionSize(colWidth);
    horizontalHeader()->setMinimumSectionSize(8);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setEditTriggers(editable ? QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                   QAbstractItemView::EditKeyPressed
                             : QAbstractItemView::NoEditTriggers);
    if (!editable) {
        QPalette pal = palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::Button));
        setPalette(pal);
    }
    setCurrentIndex(m_model->index(0, 0));
}

void TStringGrid::CommitEditor()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TStringGrid::Refresh()
{
    m_model->Refresh();
}

QRect TStringGrid::SelectionRect() const
{
    QRect rect;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        rect |= QRect(QPoint(range.left(), range.top()), QPoint(range.right(), range.bottom()));
    if (rect.isNull() && currentIndex().isValid())
        rect = QRect(currentIndex().column(), currentIndex().row(), 1, 1);
    return rect;
}

int TStringGrid::SelectionLeft() const
{
    return SelectionRect().isNull() ? 0 : SelectionRect().left();
}

int TStringGrid::SelectionTop() const
{
    return SelectionRect().isNull() ? 0 : SelectionRect().top();
}

} // namespace dynalyt
