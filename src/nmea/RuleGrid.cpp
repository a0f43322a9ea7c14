#include "nmea/RuleGrid.h"

#include "nmea/IndexSentences.h"
#include "nmea/RulePosition.h"

namespace birch {

namespace {

constexpr int kTextColumns[] = {RuleColumn::SerialChannel, RuleColumn::Sentence, RuleColumn::Index,
                                RuleColumn::DataField,     RuleColumn::PostOpe,  RuleColumn::Position,
                                RuleColumn::Mnemonic};

TNMEA0183_Rule& ruleAt(RuleTable& rules, int row)
{
    return rules[static_cast<std::size_t>(row - 1)];
}

void fillPosition(GridModel& grid, const Catalog& catalog, int row, const std::string& sentence,
                  const std::string& field)
{
    RuleTable rules = rulesFromGrid(grid);
    Set_Position(catalog, rules, row, sentence, field);
    grid.setText(row, RuleColumn::Position, ruleAt(rules, row).Position);
}

} // namespace

GridModel makeRuleGrid()
{
    GridModel grid(static_cast<int>(kRuleRows) + 1, RuleColumn::Count);
    Reset_Rule_Grid(grid);
    return grid;
}

void Reset_Rule_Grid(GridModel& grid)
{
    grid.numberRows();
    for (int row = 1; row <= grid.lastRow(); ++row) {
        grid.setCheckBox(row, RuleColumn::Enable, true);
        grid.setCheckBox(row, RuleColumn::SwapAll, false);
        grid.setCheckBox(row, RuleColumn::Swap16, false);
        for (const int column : kTextColumns)
            grid.setText(row, column, {});
        grid.setReadOnly(row, RuleColumn::Index, true);
    }
}

RuleTable rulesFromGrid(const GridModel& grid)
{
    RuleTable rules{};
    for (int row = 1; row <= grid.lastRow() && row <= static_cast<int>(kRuleRows); ++row) {
        TNMEA0183_Rule& rule = ruleAt(rules, row);
        rule.Enable = grid.checked(row, RuleColumn::Enable);
        rule.Serial_Channel = grid.text(row, RuleColumn::SerialChannel);
        rule.Sentence = grid.text(row, RuleColumn::Sentence);
        rule.Index = grid.text(row, RuleColumn::Index);
        rule.DataField = grid.text(row, RuleColumn::DataField);
        rule.PortOperation = grid.text(row, RuleColumn::PostOpe);
        rule.SwapAll = grid.checked(row, RuleColumn::SwapAll);
        rule.Swap16 = grid.checked(row, RuleColumn::Swap16);
        rule.Position = grid.text(row, RuleColumn::Position);
        rule.Mnemonic = grid.text(row, RuleColumn::Mnemonic);
    }
    return rules;
}

void fillRuleGrid(GridModel& grid, const RuleTable& rules, const Catalog& catalog)
{
    for (int row = 1; row <= grid.lastRow() && row <= static_cast<int>(kRuleRows); ++row) {
        const TNMEA0183_Rule& rule = rules[static_cast<std::size_t>(row - 1)];
        grid.setCheckBox(row, RuleColumn::Enable, rule.Enable);
        grid.setText(row, RuleColumn::SerialChannel, rule.Serial_Channel);
        grid.setText(row, RuleColumn::Sentence, rule.Sentence);
        grid.setText(row, RuleColumn::Index, rule.Index);
        grid.setText(row, RuleColumn::DataField, rule.DataField);
        grid.setText(row, RuleColumn::PostOpe, rule.PortOperation);
        grid.setCheckBox(row, RuleColumn::SwapAll, rule.SwapAll);
        grid.setCheckBox(row, RuleColumn::Swap16, rule.Swap16);
        grid.setText(row, RuleColumn::Position, rule.Position);
        grid.setText(row, RuleColumn::Mnemonic, rule.Mnemonic);
        Set_Index_Editable(grid, row, catalog);
    }
}

void Set_Index_Editable(GridModel& grid, int row, const Catalog& catalog)
{
    grid.setReadOnly(row, RuleColumn::Index, !isIndexSentence(catalog, grid.text(row, RuleColumn::Sentence)));
}

void Set_Index_Editable_All(GridModel& grid, const Catalog& catalog)
{
    for (int row = 1; row <= grid.lastRow(); ++row)
        Set_Index_Editable(grid, row, catalog);
}

void Choose_Sentence(GridModel& grid, const Catalog& catalog, int row, const std::string& sentence)
{
    const auto fields = catalog.fieldTexts(catalog.GetIndexSentence(sentence));
    const std::string first = fields.empty() ? std::string() : fields.front();
    grid.setText(row, RuleColumn::Sentence, sentence);
    grid.setText(row, RuleColumn::DataField, first);
    Set_Index_Editable(grid, row, catalog);
    fillPosition(grid, catalog, row, sentence, first);
}

void Choose_DataField(GridModel& grid, const Catalog& catalog, int row, const std::string& field)
{
    grid.setText(row, RuleColumn::DataField, field);
    fillPosition(grid, catalog, row, grid.text(row, RuleColumn::Sentence), field);
}

} // namespace birch
