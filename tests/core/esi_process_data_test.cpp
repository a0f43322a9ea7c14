#include "EtherCatTestData.h"
#include "TempDir.h"

#include "profiles/EsiProcessData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace birch {
namespace {

using test::variableRow;
using test::variablesXml;

EsiProcessDataRead readText(const std::string& text)
{
    test::TempDir dir;
    test::writeFixture(dir / "EtherCAT_Slave.xml", text);
    return Read_Esi_Process_Data(dir / "EtherCAT_Slave.xml");
}

std::string describe(const std::vector<TEtherCAT_Rule>& entries)
{
    std::string text;
    for (const TEtherCAT_Rule& e : entries)
        text += e.Name + ":" + e.DataType + ":" + std::to_string(e.Length) + " ";
    return text;
}

TEST(EsiProcessData, TypeMap)
{
    struct Case {
        const char* type;
        std::int64_t length;
        const char* dataType;
        std::int64_t bits;
    };
    for (const Case& c :
         {Case{"Bool", 1, "BIT", 1}, Case{"Int8", 1, "SINT", 8}, Case{"Int16", 2, "INT", 16},
          Case{"Int32", 4, "DINT", 32}, Case{"UInt8", 1, "USINT", 8}, Case{"UInt16", 2, "UINT", 16},
          Case{"UInt32", 4, "UDINT", 32}, Case{"Float32", 4, "REAL", 32}, Case{"String", 12, "STRING(n)", 96},
          Case{" string\t", 3, "STRING(n)", 24}, Case{"int16", 5, "INT", 16}, Case{"ByteString", 10, "BIT", 1},
          Case{"", 0, "BIT", 1}, Case{"Float64", 8, "BIT", 1}}) {
        SCOPED_TRACE(c.type);
        const TEtherCAT_Rule entry = Esi_Entry(c.type, c.length, "n");
        EXPECT_EQ(entry.DataType, c.dataType);
        EXPECT_EQ(entry.Length, c.bits);
    }
}

TEST(EsiProcessData, OnlyAnExactYEnablesARow)
{
    const EsiProcessDataRead read =
        readText(variablesXml({variableRow("Type=\"Int8\" Length=\"1\" Name=\"missing\""),
                               variableRow("Enable=\"y\" Type=\"Int8\" Length=\"1\" Name=\"lower\""),
                               variableRow("Enable=\" Y\" Type=\"Int8\" Length=\"1\" Name=\"blank\""),
                               variableRow("Enable=\"N\" Type=\"Int8\" Length=\"1\" Name=\"off\""), "<!--comment-->",
                               variableRow("Enable=\"Y\" Type=\"Int8\" Length=\"1\" Name=\"on\"")}));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(describe(read.data.SlaveToMaster), "on:SINT:8 ");
    EXPECT_EQ(read.data.InputBytes, 1);
}

TEST(EsiProcessData, AnEmptyTypeIsABitAndTheListGoesOn)
{
    const EsiProcessDataRead read = readText(variablesXml(
        {variableRow("Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"a\""),
         variableRow("Enable=\"Y\" Type=\"\" Length=\"4\" Name=\"b\""), variableRow("Enable=\"Y\" Name=\"c\""),
         variableRow("Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"d\"")}));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(describe(read.data.SlaveToMaster), "a:INT:16 b:BIT:1 c:BIT:1 d:BIT:1 ");
    EXPECT_EQ(read.data.InputBytes, 3);
}

TEST(EsiProcessData, ByteCountsAddTheLengthAttribute)
{
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        std::int64_t bytes;
    };
    const auto r = [](const char* type, const char* length) {
        return variableRow("Enable=\"Y\" Type=\"" + std::string(type) + "\" Length=\"" + length + "\"");
    };
    const std::vector<Case> cases = {
        {"an Int16 whose Length is 5", {r("Int16", "5")}, 5},
        {"Bool, Bool, Bool, Int16", {r("Bool", "1"), r("Bool", "1"), r("Bool", "1"), r("Int16", "2")}, 3},
        {"nine bits", std::vector<std::string>(9, r("Bool", "1")), 2},
        {"eight bits", std::vector<std::string>(8, r("Bool", "1")), 1},
        {"a byte closes the group", {r("Bool", "1"), r("Int8", "1"), r("Bool", "1")}, 3},
        {"a string of 12", {r("String", "12")}, 12},
        {"Length not a number, missing or negative",
         {r("Int32", "4x"), r("Int32", "-4"), variableRow("Enable=\"Y\" Type=\"Int32\"")},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EsiProcessDataRead read = readText(variablesXml(c.rows, c.rows));
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(read.data.InputBytes, c.bytes);
        EXPECT_EQ(read.data.OutputBytes, c.bytes);
    }
}

TEST(EsiProcessData, EveryRowIsReadBeyondTheTablesSize)
{
    const std::vector<std::string> rows(300, variableRow("Enable=\"Y\" Type=\"UInt8\" Length=\"1\""));
    const EsiProcessDataRead read = readText(variablesXml(rows));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.data.SlaveToMaster.size(), 300u);
    EXPECT_EQ(read.data.InputBytes, 300);
}

TEST(EsiProcessData, FileProblems)
{
    test::TempDir dir;
    const EsiProcessDataRead missing = Read_Esi_Process_Data(dir / "none.xml");
    EXPECT_TRUE(missing.ok());
    EXPECT_TRUE(missing.data.SlaveToMaster.empty());
    EXPECT_EQ(missing.data.InputBytes, 0);

    EXPECT_EQ(readText("<EtherCAT_Slave>").status, EsiProcessDataRead::Status::Malformed);
    struct Case {
        const char* text;
        const char* missing;
    };
    for (const Case& c :
         {Case{"<EtherCAT_Slave/>", "EtherCAT_Slave_Variables"},
          Case{"<E><EtherCAT_Slave_Variables><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></E>",
               "EtherCAT_Slave_To_Master"},
          Case{"<E><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/></EtherCAT_Slave_Variables></E>",
               "EtherCAT_Master_To_Slave"}}) {
        SCOPED_TRACE(c.text);
        const EsiProcessDataRead read = readText(c.text);
        EXPECT_EQ(read.status, EsiProcessDataRead::Status::ElementMissing);
        EXPECT_EQ(read.missingElement, c.missing);
    }
}

} // namespace
} // namespace birch
