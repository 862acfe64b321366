#pragma once
// The item model through which a grid widget shows and edits a grid of cell texts of the core.

#include <QAbstractTableModel>

namespace dynalyt {

class TextGrid;

class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TextGridModel(TextGrid& grid, bool editable, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The texts were changed behind the model's back: show them all again.
    void Refresh();

private:
    TextGrid& m_grid;
    bool m_bEditable;
};

} // namespace dynalyt
