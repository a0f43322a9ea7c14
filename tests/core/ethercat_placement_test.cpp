#include "profiles/EtherCatGrid.h"
#include "profiles/EtherCatPlacement.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace birch {
namespace {

struct Row {
    std::string type;
    bool enable = true;
    std::string length = {};
};

Row off(std::string type)
{
    return {std::move(type), false};
}

// A table holding `rows` from row 1, with "-" as position and start bit in every row so that
// a row left unplaced shows.
GridModel tableOf(const std::vector<Row>& rows, bool SlaveMaster = true)
{
    GridModel grid = makeVariableGrid(SlaveMaster);
    const VariableColumns& c = Variable_Columns(SlaveMaster);
    for (int r = 1; r <= grid.lastRow(); ++r) {
        grid.setText(r, c.position, "-");
        grid.setText(r, c.bitStart, "-");
    }
    int r = 1;
    for (const Row& row : rows) {
        grid.setCheckBox(r, c.enable, row.enable);
        grid.setText(r, c.type, row.type);
        grid.setText(r, c.length, row.length);
        ++r;
    }
    return grid;
}

std::vector<std::string> placed(const GridModel& grid, std::size_t rows, bool SlaveMaster = true)
{
    const VariableColumns& c = Variable_Columns(SlaveMaster);
    std::vector<std::string> result;
    for (int r = 1; r <= static_cast<int>(rows); ++r) {
        const std::string& position = grid.text(r, c.position);
        result.push_back(position == "-" ? position : position + "/" + grid.text(r, c.bitStart));
    }
    return result;
}

std::vector<Row> repeat(const Row& row, int count)
{
    return std::vector<Row>(static_cast<std::size_t>(count), row);
}

std::vector<Row> join(std::vector<Row> a, const std::vector<Row>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct PlacementCase {
    const char* name;
    std::vector<Row> rows;
    std::vector<std::string> expected; // position/start bit of each row, "-" where unplaced
};

TEST(EtherCatPlacement, PlacesEveryCase)
{
    const std::vector<PlacementCase> cases = {
        {"two bits share a byte, the next type starts on the following byte",
         {{"Bool"}, {"Bool"}, {"Int16"}, {"Int8"}},
         {"0/0", "0/1", "1/0", "3/0"}},
        {"a ninth bit starts the next byte",
         repeat({"Bool"}, 9),
         {"0/0", "0/1", "0/2", "0/3", "0/4", "0/5", "0/6", "0/7", "1/0"}},
        {"a full byte of bits is not closed twice",
         join(repeat({"Bool"}, 8), {{"UInt8"}}),
         {"0/0", "0/1", "0/2", "0/3", "0/4", "0/5", "0/6", "0/7", "1/0"}},
        {"a disabled row shows 0/0 and does not break the bit group",
         {{"Bool"}, off("Int32"), {"Bool"}, off("Bool"), {"Bool"}},
         {"0/0", "0/0", "0/1", "0/0", "0/2"}},
        {"a string takes its length", {{"String", true, "20"}, {"Int8"}}, {"0/0", "20/0"}},
        {"no alignment",
         {{"Int8"}, {"Int32"}, {"Int16"}, {"Float32"}, {"UInt32"}, {"UInt16"}, {"UInt8"}},
         {"0/0", "1/0", "5/0", "7/0", "11/0", "15/0", "17/0"}},
        {"a partial byte is closed by any other type", {{"Bool"}, {"UInt16"}, {"Bool"}}, {"0/0", "1/0", "3/0"}},
        {"the first empty type ends the list",
         {{"Bool"}, {"Int8"}, {""}, {"Int16"}, {"Bool"}},
         {"0/0", "1/0", "-", "-", "-"}},
        {"a type of blanks is empty", {{"Int8"}, {" \t"}, {"Int8"}}, {"0/0", "-", "-"}},
        {"other types take their Length: ByteString, unknown, not a number, negative",
         {{"ByteString", true, "5"}, {"Foo", true, "3"}, {"String", true, "12x"}, {"String", true, "-4"}, {"Int8"}},
         {"0/0", "5/0", "8/0", "8/0", "8/0"}},
        {"types compare exactly", {{"bool"}, {"Bool"}}, {"0/0", "0/0"}},
        {"a disabled row between full bytes",
         join(repeat({"Bool"}, 8), {off("Int8"), {"Bool"}}),
         {"0/0", "0/1", "0/2", "0/3", "0/4", "0/5", "0/6", "0/7", "0/0", "1/0"}},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.name);
        GridModel grid = tableOf(c.rows);
        Calc_Position_Bit(grid, true);
        EXPECT_EQ(placed(grid, c.rows.size()), c.expected);
    }
}

TEST(EtherCatPlacement, MasterToSlaveTableUsesItsOwnColumns)
{
    GridModel grid = tableOf({{"Int16"}, {"Bool"}}, false);
    grid.setText(1, kMasterToSlaveColumns.mnemonic, "kept");
    Calc_Position_Bit(grid, false);
    EXPECT_EQ(placed(grid, 2, false), (std::vector<std::string>{"0/0", "2/0"}));
    EXPECT_EQ(grid.text(1, kMasterToSlaveColumns.mnemonic), "kept");
}

TEST(EtherCatPlacement, RowsPastTheDataArea)
{
    struct Case {
        const char* name;
        std::vector<Row> rows;
        std::vector<int> past;
    };
    const std::vector<Case> cases = {
        {"the last byte is inside", {{"String", true, "1999"}, {"Int8"}}, {}},
        {"a value crossing the end", {{"String", true, "1999"}, {"Int16"}, {"Int8"}}, {2, 3}},
        {"a bit at byte 2000", {{"String", true, "2000"}, {"Bool"}}, {2}},
        {"a string longer than the area", {{"String", true, "2001"}}, {1}},
        {"a disabled row takes no place", {{"String", true, "2000"}, off("Int8")}, {}},
        {"rows after the end of the list", {{"String", true, "1999"}, {""}, {"Int32"}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GridModel grid = tableOf(c.rows);
        EXPECT_EQ(Rows_Past_Data_Area(grid, true), c.past);
    }
}

TEST(EtherCatVarSetLength, EachTypeSetsItsLengthAndEditability)
{
    struct Case {
        const char* type;
        const char* length;
        bool editable;
    };
    for (const Case& c :
         {Case{"Bool", "1", false}, Case{"Int8", "1", false}, Case{"Int16", "2", false}, Case{"Int32", "4", false},
          Case{"UInt8", "1", false}, Case{"UInt16", "2", false}, Case{"UInt32", "4", false},
          Case{"Float32", "4", false}, Case{"String", "10", true}, Case{"ByteString", "10", true}}) {
        SCOPED_TRACE(c.type);
        GridModel grid = makeVariableGrid(true);
        grid.setText(4, 3, "99");
        grid.setReadOnly(4, 3, c.editable);
        VarSetLength(grid, c.type, 4);
        EXPECT_EQ(grid.text(4, 3), c.length);
        EXPECT_EQ(grid.readOnly(4, 3), !c.editable);
    }
}

TEST(EtherCatVarSetLength, OtherTypesLeaveLengthAlone)
{
    GridModel grid = makeVariableGrid(true);
    for (const bool editable : {true, false}) {
        grid.setText(2, 3, "7");
        grid.setReadOnly(2, 3, !editable);
        for (const char* type : {"", "string", "Foo", " Int16"}) {
            VarSetLength(grid, type, 2);
            EXPECT_EQ(grid.text(2, 3), "7") << type;
            EXPECT_EQ(grid.readOnly(2, 3), !editable) << type;
        }
    }
}

TEST(EtherCatVarSetLength, StringToInt16AndBack)
{
    GridModel grid = makeVariableGrid(true);
    EXPECT_TRUE(grid.readOnly(1, 3));
    VarSetLength(grid, "String", 1);
    EXPECT_EQ(grid.text(1, 3), "10");
    EXPECT_FALSE(grid.readOnly(1, 3));
    VarSetLength(grid, "Int16", 1);
    EXPECT_EQ(grid.text(1, 3), "2");
    EXPECT_TRUE(grid.readOnly(1, 3));
}

TEST(EtherCatVarSetLength, EditabilityFollowsTheTypeAfterRowsMove)
{
    GridModel grid = tableOf({{"Int16", true, "2"}, {"String", true, "20"}, {"Foo", true, "3"}});
    grid.setReadOnly(1, 3, false);
    Set_Length_Editable_All(grid);
    EXPECT_TRUE(grid.readOnly(1, 3));
    EXPECT_FALSE(grid.readOnly(2, 3));
    EXPECT_TRUE(grid.readOnly(3, 3));
    EXPECT_TRUE(grid.readOnly(4, 3));
    EXPECT_EQ(grid.text(2, 3), "20");
}

} // namespace
} // namespace birch
