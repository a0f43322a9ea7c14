#include "common/GridModel.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace birch {

GridModel::GridModel(int rows, int columns)
    : rows_(std::max(rows, 1)), columns_(std::max(columns, 1)),
      cells_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_)),
      headerHints_(static_cast<std::size_t>(columns_)), hidden_(static_cast<std::size_t>(columns_), false),
      checkEditor_(static_cast<std::size_t>(columns_), false)
{
}

std::size_t GridModel::offset(int row, int column) const
{
    if (!contains(row, column))
        throw std::out_of_range("grid cell " + std::to_string(row) + "," + std::to_string(column));
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
}

GridCell& GridModel::cell(int row, int column)
{
    return cells_[offset(row, column)];
}

const GridCell& GridModel::cell(int row, int column) const
{
    return cells_[offset(row, column)];
}

void GridModel::setCheckBox(int row, int column, bool checked)
{
    GridCell& c = cell(row, column);
    c.hasCheckBox = true;
    c.checked = checked;
}

void GridModel::removeCheckBox(int row, int column)
{
    GridCell& c = cell(row, column);
    c.hasCheckBox = false;
    c.checked = false;
}

const std::string& GridModel::headerHint(int column) const
{
    offset(0, column);
    return headerHints_[static_cast<std::size_t>(column)];
}

void GridModel::setHeaderHint(int column, std::string hint)
{
    offset(0, column);
    headerHints_[static_cast<std::size_t>(column)] = std::move(hint);
}

bool GridModel::columnHidden(int column) const
{
    offset(0, column);
    return hidden_[static_cast<std::size_t>(column)];
}

void GridModel::setColumnHidden(int column, bool hidden)
{
    offset(0, column);
    hidden_[static_cast<std::size_t>(column)] = hidden;
}

bool GridModel::checkEditorColumn(int column) const
{
    offset(0, column);
    return checkEditor_[static_cast<std::size_t>(column)];
}

void GridModel::setCheckEditorColumn(int column, bool on)
{
    offset(0, column);
    checkEditor_[static_cast<std::size_t>(column)] = on;
}

int GridModel::shownColumnCount() const
{
    return static_cast<int>(std::count(hidden_.begin(), hidden_.end(), false));
}

std::vector<int> GridModel::shownDataColumns() const
{
    std::vector<int> result;
    for (int c = 1; c < columns_; ++c)
        if (!hidden_[static_cast<std::size_t>(c)])
            result.push_back(c);
    return result;
}

std::vector<int> GridModel::allDataColumns() const
{
    std::vector<int> result;
    for (int c = 1; c < columns_; ++c)
        result.push_back(c);
    return result;
}

void GridModel::numberRows()
{
    for (int r = 1; r < rows_; ++r)
        setText(r, 0, std::to_string(r));
}

} // namespace birch
