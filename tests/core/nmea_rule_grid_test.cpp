#include "nmea/Catalog.h"
#include "nmea/RuleGrid.h"

#include <gtest/gtest.h>

namespace birch {
namespace {

const Catalog& catalog()
{
    static const Catalog built = Catalog::Init_NMEA0183_Map();
    return built;
}

TEST(NmeaRuleGrid, ChoosingSentenceAndFieldFillsFieldIndexAndPosition)
{
    GridModel grid = makeRuleGrid();
    Choose_Sentence(grid, catalog(), 1, "ZDA");
    EXPECT_EQ(grid.text(1, RuleColumn::DataField), "hour [decimal]");
    EXPECT_EQ(grid.text(1, RuleColumn::Position), "1");
    Choose_Sentence(grid, catalog(), 2, "DPT");
    EXPECT_EQ(grid.text(2, RuleColumn::Position), "2");
    Choose_Sentence(grid, catalog(), 3, "ZDA");
    Choose_DataField(grid, catalog(), 3, "year [decimal]");
    EXPECT_EQ(grid.text(3, RuleColumn::Position), "6");

    // A disabled row is skipped by the rows below it.
    grid.setCheckBox(3, RuleColumn::Enable, false);
    Choose_Sentence(grid, catalog(), 4, "DPT");
    EXPECT_EQ(grid.text(4, RuleColumn::Position), "6");

    EXPECT_TRUE(grid.readOnly(1, RuleColumn::Index));
    Choose_Sentence(grid, catalog(), 5, "XDR");
    EXPECT_FALSE(grid.readOnly(5, RuleColumn::Index));
    grid.setText(5, RuleColumn::Index, "4");
    Choose_Sentence(grid, catalog(), 5, "ZDA");
    EXPECT_TRUE(grid.readOnly(5, RuleColumn::Index));
    EXPECT_EQ(grid.text(5, RuleColumn::Index), "4");
}

TEST(NmeaRuleGrid, RulesGoInAndOutUnchanged)
{
    RuleTable rules{};
    rules[0] = {false, "RS485 2", "GSV", "3", "Signal ID [decimal]", "x 10", true, false, "12", "signal"};
    rules[99] = {true, "", "ZDA", "", "day [decimal]", "None", false, true, "x", ""};
    GridModel grid = makeRuleGrid();
    fillRuleGrid(grid, rules, catalog());
    EXPECT_EQ(rulesFromGrid(grid), rules);
    EXPECT_FALSE(grid.readOnly(1, RuleColumn::Index));
    EXPECT_TRUE(grid.readOnly(100, RuleColumn::Index));

    Reset_Rule_Grid(grid);
    EXPECT_EQ(rulesFromGrid(grid), RuleTable{});
    EXPECT_EQ(grid.text(100, RuleColumn::Number), "100");
    EXPECT_TRUE(grid.readOnly(1, RuleColumn::Index));
}

} // namespace
} // namespace birch
