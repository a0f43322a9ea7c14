#pragma once

#include "common/GridModel.h"

#include <QAbstractTableModel>

namespace birch {

// Shows a core grid to a QTableView: the grid's header row becomes the horizontal header (with
// the header hints as tooltips), data row r becomes view row r - 1, columns map one to one.
// Check-box cells and check-editor columns answer Qt::CheckStateRole; marked cells are drawn in red.
class GridTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    GridTableModel(GridModel& grid, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static int gridRow(const QModelIndex& index) { return index.row() + 1; }
    QModelIndex indexOf(int gridRow, int column) const { return index(gridRow - 1, column); }
    bool isCheckCell(const QModelIndex& index) const;
    bool isReadOnly(const QModelIndex& index) const;

    // Call after the grid was changed behind the model's back.
    void refresh();
    void refreshCell(int gridRow, int column);

Q_SIGNALS:
    // A cell's text or box was changed through the view (not by refresh).
    void cellEdited(int gridRow, int column);

private:
    GridModel& grid_;
};

} // namespace birch
