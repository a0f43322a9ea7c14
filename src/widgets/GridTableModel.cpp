#include "widgets/GridTableModel.h"

#include "widgets/PlainText.h"
#include "widgets/QtText.h"

#include <QColor>

namespace birch {

GridTableModel::GridTableModel(GridModel& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

int GridTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.rowCount() - 1;
}

int GridTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.columnCount();
}

bool GridTableModel::isCheckCell(const QModelIndex& index) const
{
    const int column = index.column();
    return index.isValid() && column > 0 &&
           (grid_.hasCheckBox(gridRow(index), column) || grid_.checkEditorColumn(column));
}

bool GridTableModel::isReadOnly(const QModelIndex& index) const
{
    return index.column() == 0 || grid_.readOnly(gridRow(index), index.column());
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = gridRow(index);
    const int column = index.column();
    const GridCell& cell = grid_.cell(row, column);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return isCheckCell(index) ? QVariant() : QVariant(qs(cell.text));
    case Qt::CheckStateRole:
        if (!isCheckCell(index))
            return {};
        if (cell.hasCheckBox)
            return cell.checked ? Qt::Checked : Qt::Unchecked;
        return cell.text == "Y" ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        return column == 0 ? QVariant(Qt::AlignCenter) : QVariant();
    case Qt::ForegroundRole:
        return cell.marked ? QVariant(QColor(Qt::red)) : QVariant();
    default:
        return {};
    }
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() == 0)
        return false;
    const int row = gridRow(index);
    const int column = index.column();
    const GridCell before = grid_.cell(row, column);
    if (role == Qt::CheckStateRole && isCheckCell(index)) {
        const bool on = value.value<Qt::CheckState>() == Qt::Checked;
        if (grid_.hasCheckBox(row, column))
            grid_.setCheckBox(row, column, on);
        else
            grid_.setText(row, column, on ? "Y" : "N");
    } else if (role == Qt::EditRole && !isCheckCell(index)) {
        grid_.setText(row, column, ss(value.toString()));
    } else {
        return false;
    }
    const GridCell& after = grid_.cell(row, column);
    if (after.text == before.text && after.checked == before.checked)
        return true;
    Q_EMIT dataChanged(index, index);
    Q_EMIT cellEdited(row, column);
    return true;
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 0)
        return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isReadOnly(index))
        return flags;
    return flags | (isCheckCell(index) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= grid_.columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return qs(grid_.text(0, section));
    case Qt::ToolTipRole: {
        const std::string& hint = grid_.headerHint(section);
        return hint.empty() ? QVariant() : QVariant(plainToolTip(qs(hint)));
    }
    default:
        return {};
    }
}

void GridTableModel::refresh()
{
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void GridTableModel::refreshCell(int gridRow, int column)
{
    const QModelIndex at = indexOf(gridRow, column);
    Q_EMIT dataChanged(at, at);
}

} // namespace birch
