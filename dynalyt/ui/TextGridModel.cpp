#include "dynalyt/ui/TextGridModel.h"

#include "dynalyt/core/TextGrid.h"

namespace dynalyt {

TextGridModel::TextGridModel(TextGrid& grid, bool editable, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_bEditable(editable)
{
}

int TextGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_grid.RowCount();
}

int TextGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_grid.ColCount();
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return m_grid.Cell(index.column(), index.row());
}

bool TextGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!m_bEditable || role != Qt::EditRole || !index.isValid())
        return false;
    m_grid.SetCell(index.column(), index.row(), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    return m_bEditable ? f | Qt::ItemIsEditable : f;
}

void TextGridModel::Refresh()
{
    if (m_grid.RowCount() > 0 && m_grid.ColCount() > 0)
        emit dataChanged(index(0, 0), index(m_grid.RowCount() - 1, m_grid.ColCount() - 1));
}

} // namespace dynalyt
