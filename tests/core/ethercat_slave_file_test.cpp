#include "EtherCatTestData.h"
#include "FailingFileWriter.h"
#include "TempDir.h"

#include "lang/ExtraTexts.h"
#include "profiles/EtherCatGrid.h"
#include "profiles/EtherCatSlaveFile.h"
#include "profiles/EtherCatSlaveMessages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace birch {
namespace {

using test::variableRow;
using test::variablesXml;

EtherCatVariable variable(bool enable, const char* type, const char* length, const char* name, const char* init,
                          const char* position, const char* bit, const char* mnemonic)
{
    return {enable, type, length, name, init, position, bit, mnemonic};
}

bool operator==(const EtherCatVariable& a, const EtherCatVariable& b)
{
    return a.Enable == b.Enable && a.Type == b.Type && a.Length == b.Length && a.Name == b.Name &&
           a.InitValue == b.InitValue && a.Position == b.Position && a.BitStart == b.BitStart &&
           a.Mnemonic == b.Mnemonic;
}

EtherCatSlaveLoad loadText(const test::TempDir& dir, const std::string& text)
{
    const auto file = dir / "EtherCAT_Slave.xml";
    test::writeFixture(file, text);
    return loadEtherCatSlaveFile(file);
}

TEST(EtherCatSlaveFile, WritesTheDocumentedForm)
{
    EXPECT_EQ(etherCatSlaveDocument({}),
              "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/><EtherCAT_Master_To_Slave/>"
              "</EtherCAT_Slave_Variables></EtherCAT_Slave><!--SW_VERSION = 1.000-->");
    EXPECT_EQ(etherCatSlaveDocument({variable(true, "Bool", "1", "Pump & \"on\"", "0", "0", "0", "P1"),
                                     variable(false, "String", "20", "", "", "0", "0", "")}),
              "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
              "<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"Pump &amp; &quot;on&quot;\" InitValue=\"0\" "
              "Position=\"0\" BitStart=\"0\" Mnemonic=\"P1\"/>"
              "<row Enable=\"N\" Type=\"String\" Length=\"20\" Name=\"\" InitValue=\"\" Position=\"0\" "
              "BitStart=\"0\" Mnemonic=\"\"/>"
              "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></EtherCAT_Slave>"
              "<!--SW_VERSION = 1.000-->");
}

TEST(EtherCatSlaveFile, RoundTrip)
{
    test::TempDir dir;
    const std::vector<EtherCatVariable> written = {
        variable(true, "Bool", "1", "Pump <1>", "1", "0", "0", "P1"),
        variable(false, "Int16", "2", "Temp \xC3\xA9t\xC3\xA9", "-5", "0", "0", "T"),
        variable(true, "String", "20", "  blanks  ", "", "1", "0", "a\tb"),
    };
    test::writeFixture(dir / "EtherCAT_Slave.xml", etherCatSlaveDocument(written));
    const EtherCatSlaveLoad load = loadEtherCatSlaveFile(dir / "EtherCAT_Slave.xml");
    EXPECT_EQ(load.status, EtherCatSlaveLoad::Status::Ok);
    ASSERT_EQ(load.SlaveToMaster.size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i)
        EXPECT_TRUE(load.SlaveToMaster[i] == written[i]) << i;
    EXPECT_TRUE(load.MasterToSlave.empty());
    EXPECT_EQ(load.masterToSlaveRows, 0u);
}

TEST(EtherCatSlaveFile, ReadsMissingValuesAsTheWindowShowsThem)
{
    test::TempDir dir;
    const EtherCatSlaveLoad load =
        loadText(dir, variablesXml({variableRow("Type=\"Int16\""), variableRow("Enable=\"N\" Type=\"Bool\""),
                                    variableRow("Enable=\"n\" Type=\"Bool\""), variableRow("Enable=\"\""), "<!--x-->",
                                    variableRow("")},
                                   {variableRow("Enable=\"N\" Type=\"UInt8\" InitValue=\"9\" Mnemonic=\"M\"")}));
    EXPECT_EQ(load.status, EtherCatSlaveLoad::Status::Ok);
    ASSERT_EQ(load.SlaveToMaster.size(), 6u);
    EXPECT_TRUE(load.SlaveToMaster[0] == variable(true, "Int16", "", "", "", "", "", ""));
    EXPECT_FALSE(load.SlaveToMaster[1].Enable);
    // Only the exact "N" clears the box; a comment among the rows is a row without values.
    for (std::size_t i : {2u, 3u, 4u, 5u})
        EXPECT_TRUE(load.SlaveToMaster[i].Enable) << i;
    EXPECT_TRUE(load.SlaveToMaster[4] == EtherCatVariable{});
    ASSERT_EQ(load.MasterToSlave.size(), 1u);
    EXPECT_TRUE(load.MasterToSlave[0] == variable(false, "UInt8", "", "", "", "", "", "M"));
    EXPECT_EQ(load.masterToSlaveRows, 1u);
}

TEST(EtherCatSlaveFile, RowsBeyondTheTableAreCounted)
{
    test::TempDir dir;
    const std::vector<std::string> many(kVariableRows + 3, variableRow("Type=\"Bool\""));
    const std::vector<std::string> more(kVariableRows + 2, variableRow("Type=\"Int8\""));
    const EtherCatSlaveLoad load = loadText(dir, variablesXml(many, more));
    EXPECT_EQ(load.SlaveToMaster.size(), kVariableRows);
    EXPECT_EQ(load.MasterToSlave.size(), kVariableRows);
    EXPECT_EQ(load.notLoaded, 5u);
    EXPECT_EQ(load.masterToSlaveRows, kVariableRows + 2);
    const auto message = Variables_Load_Message(ExtraTexts(), load, dir / "EtherCAT_Slave.xml");
    ASSERT_TRUE(message.has_value());
    EXPECT_NE(message->find("not loaded: 5. OK will save the file without them: "), std::string::npos) << *message;
}

TEST(EtherCatSlaveFile, MissingElementsStopTheReadingThere)
{
    struct Case {
        std::string text;
        const char* missing;
        std::size_t slaveToMaster;
    };
    const std::string row = variableRow("Type=\"Bool\"");
    for (const Case& c :
         {Case{"<EtherCAT_Slave/>", "EtherCAT_Slave_Variables", 0},
          Case{"<!--first--><EtherCAT_Slave><EtherCAT_Slave_Variables/></EtherCAT_Slave>", "EtherCAT_Slave_Variables",
               0},
          Case{"<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables>"
               "</EtherCAT_Slave>",
               "EtherCAT_Slave_To_Master", 0},
          Case{"<X><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + row +
                   "</EtherCAT_Slave_To_Master></EtherCAT_Slave_Variables></X>",
               "EtherCAT_Master_To_Slave", 1}}) {
        SCOPED_TRACE(c.text);
        test::TempDir dir;
        const EtherCatSlaveLoad load = loadText(dir, c.text);
        EXPECT_EQ(load.status, EtherCatSlaveLoad::Status::ElementMissing);
        EXPECT_EQ(load.missingElement, c.missing);
        EXPECT_EQ(load.SlaveToMaster.size(), c.slaveToMaster);
        EXPECT_TRUE(load.damaged());
        const auto message = Variables_Load_Message(ExtraTexts(), load, dir / "EtherCAT_Slave.xml");
        ASSERT_TRUE(message.has_value());
        EXPECT_NE(message->find("EtherCAT_Slave.xml\n" + std::string(c.missing)), std::string::npos) << *message;
    }
}

TEST(EtherCatSlaveFile, MissingMalformedAndUnreadableFiles)
{
    test::TempDir dir;
    EXPECT_EQ(loadEtherCatSlaveFile(dir / "none.xml").status, EtherCatSlaveLoad::Status::Missing);
    EXPECT_FALSE(Variables_Load_Message(ExtraTexts(), loadEtherCatSlaveFile(dir / "none.xml"), dir / "none.xml"));
    const EtherCatSlaveLoad malformed = loadText(dir, "<EtherCAT_Slave><EtherCAT_Slave_Variables>");
    EXPECT_EQ(malformed.status, EtherCatSlaveLoad::Status::Malformed);
    EXPECT_FALSE(malformed.reason.empty());
    std::filesystem::create_directories(dir / "folder.xml");
    EXPECT_EQ(loadEtherCatSlaveFile(dir / "folder.xml").status, EtherCatSlaveLoad::Status::Unreadable);
    const auto message = Variables_Load_Message(ExtraTexts(), malformed, dir / "EtherCAT_Slave.xml");
    ASSERT_TRUE(message.has_value());
    EXPECT_NE(message->find("backup"), std::string::npos);
}

TEST(EtherCatSlaveFile, SavingKeepsADamagedFileAndReportsFailures)
{
    test::TempDir dir;
    const auto file = dir / "EtherCAT_Slave.xml";
    test::writeFixture(file, "<broken");
    AtomicFileWriter writer;
    const std::vector<EtherCatVariable> rows = {variable(true, "Bool", "1", "A", "", "0", "0", "")};
    EXPECT_TRUE(saveEtherCatSlaveFile(file, rows, writer, true).ok());
    EXPECT_EQ(test::readAll(dir / "EtherCAT_Slave.xml.bak"), "<broken");
    EXPECT_EQ(test::readAll(file), etherCatSlaveDocument(rows));

    test::FailingFileWriter failing("disk full");
    const EtherCatSlaveSave failed = saveEtherCatSlaveFile(file, {}, failing, false);
    EXPECT_EQ(failed.status, EtherCatSlaveSave::Status::WriteFailed);
    EXPECT_EQ(Variables_Save_Message(ExtraTexts(), failed, file),
              "The file cannot be written: " + file.string() + "\ndisk full");
    EXPECT_EQ(test::readAll(file), etherCatSlaveDocument(rows));
}

TEST(EtherCatSlaveGrid, FillsTheStoredLengthOverTheTypesRule)
{
    GridModel grid = makeVariableGrid(true);
    Fill_Variable_Grid(grid, kSlaveToMasterColumns,
                       {variable(false, "Int16", "7", "N", "I", "55", "3", "M"),
                        variable(true, "String", "", "", "", "", "", ""),
                        variable(true, "Foo", "3", "", "", "", "", "")});
    EXPECT_FALSE(grid.checked(1, 1));
    EXPECT_EQ(grid.text(1, 3), "7");
    EXPECT_TRUE(grid.readOnly(1, 3));
    EXPECT_EQ(grid.text(1, 5), "I");
    EXPECT_EQ(grid.text(1, 6), "55");
    EXPECT_EQ(grid.text(1, 8), "M");
    EXPECT_EQ(grid.text(2, 3), "");
    EXPECT_FALSE(grid.readOnly(2, 3));
    EXPECT_TRUE(grid.readOnly(3, 3));
    EXPECT_TRUE(grid.checked(4, 1));
}

TEST(EtherCatSlaveGrid, RowsInUseEndAtTheFirstEmptyType)
{
    GridModel grid = makeVariableGrid(true);
    Fill_Variable_Grid(grid, kSlaveToMasterColumns,
                       {variable(false, "Int16", "2", "A", "", "0", "0", ""),
                        variable(true, "  ", "", "B", "", "", "", ""),
                        variable(true, "Bool", "1", "C", "", "", "", "")});
    const auto rows = Variables_In_Use(grid, kSlaveToMasterColumns);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(rows[0] == variable(false, "Int16", "2", "A", "", "0", "0", ""));
}

TEST(EtherCatSlaveMessages, DeleteQuestionAndDataAreaTexts)
{
    EXPECT_EQ(Delete_Row_Question("Are you sure to delete the Row number %d", 12),
              "Are you sure to delete the Row number 12");
    EXPECT_EQ(Delete_Row_Question("Riga %d: cancellare? (%d)", 3), "Riga 3: cancellare? (%d)");
    EXPECT_EQ(Delete_Row_Question("Delete?", 3), "Delete?");
    const ExtraTexts texts;
    EXPECT_EQ(Past_Data_Area_Text(texts, {4, 5, 9}),
              "Variables that run past the end of the 2000-byte data area, by row: 4, 5, 9");
    EXPECT_NE(Master_To_Slave_Question(texts, 3).find("removed: 3\nSave anyway?"), std::string::npos);
}

} // namespace
} // namespace birch
