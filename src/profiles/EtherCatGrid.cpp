#include "profiles/EtherCatGrid.h"

#include "common/TextUtil.h"
#include "profiles/EtherCatTypes.h"

namespace birch {

namespace {

constexpr int kTypeColumn = 2;
constexpr int kLengthColumn = 3;
static_assert(kSlaveToMasterColumns.type == kTypeColumn && kMasterToSlaveColumns.type == kTypeColumn);
static_assert(kSlaveToMasterColumns.length == kLengthColumn && kMasterToSlaveColumns.length == kLengthColumn);

} // namespace

const VariableColumns& Variable_Columns(bool SlaveMaster)
{
    return SlaveMaster ? kSlaveToMasterColumns : kMasterToSlaveColumns;
}

GridModel makeVariableGrid(bool SlaveMaster)
{
    const VariableColumns& columns = Variable_Columns(SlaveMaster);
    GridModel grid(static_cast<int>(kVariableRows) + 1, columns.count);
    Reset_Variable_Grid(grid, columns);
    return grid;
}

void Reset_Variable_Grid(GridModel& grid, const VariableColumns& columns)
{
    grid.numberRows();
    for (int row = 1; row <= grid.lastRow(); ++row) {
        for (int column = 1; column < grid.columnCount(); ++column) {
            grid.setText(row, column, {});
            grid.setMarked(row, column, false);
        }
        grid.setCheckBox(row, columns.enable, true);
        grid.setReadOnly(row, columns.length, true);
        grid.setReadOnly(row, columns.position, true);
        grid.setReadOnly(row, columns.bitStart, true);
    }
}

void VarSetLength(GridModel& grid, std::string_view type, int row)
{
    const auto rule = Type_Length(type);
    if (!rule)
        return;
    grid.setText(row, kLengthColumn, std::string(rule->length));
    grid.setReadOnly(row, kLengthColumn, !rule->editable);
}

void Set_Length_Editable_All(GridModel& grid)
{
    for (int row = 1; row <= grid.lastRow(); ++row) {
        const auto rule = Type_Length(grid.text(row, kTypeColumn));
        grid.setReadOnly(row, kLengthColumn, !(rule && rule->editable));
    }
}

void Fill_Variable_Grid(GridModel& grid, const VariableColumns& columns, const std::vector<EtherCatVariable>& variables)
{
    int row = 1;
    for (const EtherCatVariable& variable : variables) {
        if (row > grid.lastRow())
            break;
        grid.setCheckBox(row, columns.enable, variable.Enable);
        grid.setText(row, columns.type, variable.Type);
        VarSetLength(grid, variable.Type, row);
        grid.setText(row, columns.length, variable.Length);
        grid.setText(row, columns.name, variable.Name);
        if (columns.initValue > 0)
            grid.setText(row, columns.initValue, variable.InitValue);
        grid.setText(row, columns.position, variable.Position);
        grid.setText(row, columns.bitStart, variable.BitStart);
        grid.setText(row, columns.mnemonic, variable.Mnemonic);
        ++row;
    }
}

std::vector<EtherCatVariable> Variables_In_Use(const GridModel& grid, const VariableColumns& columns)
{
    std::vector<EtherCatVariable> variables;
    for (int row = 1; row <= grid.lastRow(); ++row) {
        if (trimControl(grid.text(row, columns.type)).empty())
            break;
        EtherCatVariable variable;
        variable.Enable = grid.hasCheckBox(row, columns.enable) && grid.checked(row, columns.enable);
        variable.Type = grid.text(row, columns.type);
        variable.Length = grid.text(row, columns.length);
        variable.Name = grid.text(row, columns.name);
        if (columns.initValue > 0)
            variable.InitValue = grid.text(row, columns.initValue);
        variable.Position = grid.text(row, columns.position);
        variable.BitStart = grid.text(row, columns.bitStart);
        variable.Mnemonic = grid.text(row, columns.mnemonic);
        variables.push_back(std::move(variable));
    }
    return variables;
}

} // namespace birch
