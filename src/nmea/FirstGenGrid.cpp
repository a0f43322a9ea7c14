#include "nmea/FirstGenGrid.h"

#include "nmea/FirstGenSentences.h"

#include <algorithm>

namespace birch::firstgen {

namespace {

Rule& ruleAt(RuleTable& rules, int row)
{
    return rules[static_cast<std::size_t>(row - 1)];
}

int lastRuleRow(const GridModel& grid)
{
    return std::min(grid.lastRow(), static_cast<int>(kRows));
}

} // namespace

GridModel makeGrid()
{
    GridModel grid(static_cast<int>(kRows) + 1, Column::Count);
    Reset_Grid(grid);
    return grid;
}

void Reset_Grid(GridModel& grid)
{
    grid.setCheckEditorColumn(Column::Enable, true);
    grid.numberRows();
    const Rule empty;
    for (int row = 1; row <= grid.lastRow(); ++row) {
        grid.setText(row, Column::Enable, empty.Enable);
        for (const int column : {Column::Sentence, Column::Index, Column::SerialChannel, Column::Mnemonic})
            grid.setText(row, column, {});
        grid.setReadOnly(row, Column::Index, true);
    }
}

RuleTable rulesFromGrid(const GridModel& grid)
{
    RuleTable rules{};
    for (int row = 1; row <= lastRuleRow(grid); ++row) {
        Rule& rule = ruleAt(rules, row);
        rule.Enable = grid.text(row, Column::Enable);
        rule.Sentence = grid.text(row, Column::Sentence);
        rule.Index = grid.text(row, Column::Index);
        rule.Serial_Channel = grid.text(row, Column::SerialChannel);
        rule.Mnemonic = grid.text(row, Column::Mnemonic);
    }
    return rules;
}

void fillGrid(GridModel& grid, const RuleTable& rules, const Catalog& catalog)
{
    for (int row = 1; row <= lastRuleRow(grid); ++row) {
        const Rule& rule = rules[static_cast<std::size_t>(row - 1)];
        grid.setText(row, Column::Enable, rule.Enable);
        grid.setText(row, Column::Sentence, rule.Sentence);
        grid.setText(row, Column::Index, rule.Index);
        grid.setText(row, Column::SerialChannel, rule.Serial_Channel);
        grid.setText(row, Column::Mnemonic, rule.Mnemonic);
    }
    Set_Index_Editable_All(grid, catalog);
}

void Set_Index_Editable(GridModel& grid, int row, const Catalog& catalog)
{
    grid.setReadOnly(row, Column::Index, !takesIndex(catalog, grid.text(row, Column::Sentence)));
}

void Set_Index_Editable_All(GridModel& grid, const Catalog& catalog)
{
    for (int row = 1; row <= grid.lastRow(); ++row)
        Set_Index_Editable(grid, row, catalog);
}

} // namespace birch::firstgen
