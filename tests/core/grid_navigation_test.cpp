#include "common/GridModel.h"
#include "common/GridNavigation.h"

#include <gtest/gtest.h>

#include <ostream>

namespace birch {
namespace {

struct JumpCase {
    bool flag;
    int key;
    GridPosition from;
    bool consumed;
    GridPosition to;
};

void PrintTo(const JumpCase& c, std::ostream* out)
{
    *out << (c.flag ? "on" : "off") << " key " << c.key << " at " << c.from.row << "," << c.from.column;
}

class JumpNextField : public testing::TestWithParam<JumpCase> {};

// Four data rows, columns 1..4 shown.
TEST_P(JumpNextField, MovesRightAndWraps)
{
    const JumpCase& c = GetParam();
    const GridModel table(5, 5);
    GridPosition at = c.from;
    EXPECT_EQ(Jump_Next_Field(table, c.flag, c.key, at), c.consumed);
    EXPECT_EQ(at.row, c.to.row);
    EXPECT_EQ(at.column, c.to.column);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JumpNextField,
    testing::Values(JumpCase{true, kEnterKey, {2, 1}, true, {2, 2}},   // next column
                    JumpCase{true, kEnterKey, {2, 4}, true, {3, 1}},   // last column: next row
                    JumpCase{true, kEnterKey, {4, 4}, true, {1, 1}},   // last cell: back to row 1
                    JumpCase{true, kEnterKey, {0, 2}, true, {0, 2}},   // header: consumed, not moved
                    JumpCase{true, kEnterKey, {3, 0}, true, {3, 0}},   // fixed column: consumed, not moved
                    JumpCase{false, kEnterKey, {2, 1}, false, {2, 1}}, // option off: left to the table
                    JumpCase{true, 9, {2, 1}, false, {2, 1}}));        // another key

TEST(JumpNextField, SkipsHiddenColumns)
{
    GridModel table(5, 6);
    table.setColumnHidden(3, true);
    table.setColumnHidden(5, true);
    GridPosition at{2, 2};
    EXPECT_TRUE(Jump_Next_Field(table, true, kEnterKey, at));
    EXPECT_EQ(at.column, 4);
    EXPECT_TRUE(Jump_Next_Field(table, true, kEnterKey, at));
    EXPECT_EQ(at.row, 3);
    EXPECT_EQ(at.column, 1);
}

TEST(AutoSizeColumn, OnlyTheHeaderRowWithTheOptionOn)
{
    EXPECT_TRUE(Auto_Size_Column(true, 0, 3));
    EXPECT_FALSE(Auto_Size_Column(true, 1, 3));
    EXPECT_FALSE(Auto_Size_Column(false, 0, 3));
    EXPECT_FALSE(Auto_Size_Column(false, 2, 3));
}

} // namespace
} // namespace birch
