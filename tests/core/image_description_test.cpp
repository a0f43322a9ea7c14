#include "TempDir.h"

#include "common/Xml.h"
#include "image/UpdateDescription.h"
#include "platform/FileWriter.h"

#include <gtest/gtest.h>

namespace birch::test {
namespace {

UpdateRequest request(int option, bool readBack)
{
    UpdateRequest r;
    r.address = "127.0.0.1";
    r.option = option;
    r.readBack = readBack;
    r.masterDir = "/opt/birch/MASTER";
    r.projectDir = "/opt/birch/PROJECTS/Ship";
    return r;
}

TEST(UpdateDescription, GoldenFirmwareAndConfiguration)
{
    const std::string operationStart =
        "<Operation><Ope_Protection_Enabled/><Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>"
        "<Ope_GoToApp_Before>0</Ope_GoToApp_Before><Ope_IP_Address/>"
        "<Ope_Port>2008</Ope_Port><Ope_Port_Sec>2007</Ope_Port_Sec>"
        "<Ope_Erase_Memory>0</Ope_Erase_Memory>";
    const std::string expected =
        "<Ethernet_Update><Version>1000</Version><Title>Velmora - Birchcfg Ethernet Update</Title>"
        "<IP_Address_Dev>127.0.0.1</IP_Address_Dev><Application_Port>10000</Application_Port>"
        "<Boot_Port>2008</Boot_Port><Boot_Port_Sec>2007</Boot_Port_Sec>"
        "<Address_Protection>0x78000</Address_Protection><Protections><Protection>0x4C9</Protection></Protections>"
        "<Operations>" +
        operationStart +
        "<Ope_FileName>/opt/birch/MASTER/Birchfw.sim</Ope_FileName><Ope_Start_Address>0x8000</Ope_Start_Address>"
        "<Ope_Memory_Type>0</Ope_Memory_Type><Ope_Bank_Type>1</Ope_Bank_Type><Ope_Read_Back>1</Ope_Read_Back>"
        "<Ope_Write_CSS>1</Ope_Write_CSS><Ope_Address_CSS>0x78100</Ope_Address_CSS>"
        "<Ope_Command_CSS>0x0B</Ope_Command_CSS><Ope_GoToApp_After>0</Ope_GoToApp_After></Operation>" +
        operationStart +
        "<Ope_FileName>/opt/birch/PROJECTS/Ship/bin/bank.bin</Ope_FileName>"
        "<Ope_Start_Address>0x68000</Ope_Start_Address><Ope_Memory_Type>0</Ope_Memory_Type>"
        "<Ope_Bank_Type>2</Ope_Bank_Type><Ope_Read_Back>1</Ope_Read_Back><Ope_Write_CSS>0</Ope_Write_CSS>"
        "<Ope_Address_CSS>0x50100</Ope_Address_CSS><Ope_Command_CSS>0x0B</Ope_Command_CSS>"
        "<Ope_GoToApp_After>1</Ope_GoToApp_After></Operation></Operations></Ethernet_Update>";
    EXPECT_EQ(Compile_XML_Parameter(request(0, true)), expected);
}

struct OperationSummary {
    std::string file;
    std::string startAddress;
    std::string readBack;
    std::string goToAppAfter;
    std::size_t children;

    bool operator==(const OperationSummary&) const = default;
};

std::vector<OperationSummary> operations(const std::string& xml)
{
    const XmlParseResult parsed = parseXml(xml);
    EXPECT_TRUE(parsed.ok());
    std::vector<OperationSummary> result;
    if (!parsed.ok())
        return result;
    const pugi::xml_node list = childElement(firstNode(*parsed.document), "Operations");
    for (const pugi::xml_node op : childrenByPosition(list))
        result.push_back({*childText(op, "Ope_FileName"), *childText(op, "Ope_Start_Address"),
                          *childText(op, "Ope_Read_Back"), *childText(op, "Ope_GoToApp_After"),
                          childrenByPosition(op).size()});
    return result;
}

TEST(UpdateDescription, OperationsByOptionAndReadBack)
{
    const std::string firmware = "/opt/birch/MASTER/Birchfw.sim";
    const std::string bank = "/opt/birch/PROJECTS/Ship/bin/bank.bin";
    struct Case {
        int option;
        bool readBack;
        std::vector<OperationSummary> expected;
    };
    const std::vector<Case> cases = {
        {0, true, {{firmware, "0x8000", "1", "0", 16}, {bank, "0x68000", "1", "1", 16}}},
        {0, false, {{firmware, "0x8000", "0", "0", 16}, {bank, "0x68000", "0", "1", 16}}},
        {1, true, {{firmware, "0x8000", "1", "1", 16}}},
        {1, false, {{firmware, "0x8000", "0", "1", 16}}},
        {2, true, {{bank, "0x68000", "1", "1", 16}}},
        {2, false, {{bank, "0x68000", "0", "1", 16}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "option " << c.option << " read-back " << c.readBack);
        EXPECT_EQ(operations(Compile_XML_Parameter(request(c.option, c.readBack))), c.expected);
    }
}

TEST(UpdateDescription, DamsonLayout)
{
    const std::string xml = Compile_XML_Parameter_New_Boot(request(0, false));
    const std::string bin = "/opt/birch/PROJECTS/Ship/bin/";
    const std::vector<OperationSummary> expected = {
        {"/opt/birch/MASTER/Damsonfw.sim", "0x8000", "0", "0", 20},
        {bin + "bank1.bin", "0x07000", "0", "0", 20},
        {bin + "bank2.bin", "0x80000", "0", "0", 20},
        {bin + "bank3.bin", "0xA0000", "0", "1", 20},
    };
    EXPECT_EQ(operations(xml), expected);
    EXPECT_NE(xml.find("<Title>Velmora - Ethernet Update</Title>"), std::string::npos);
    EXPECT_NE(xml.find("<Address_Protection>0x07800</Address_Protection><Protections><Protection>0x5B8"),
              std::string::npos);
    EXPECT_NE(xml.find("<Ope_Command_CSS>0x02</Ope_Command_CSS><Ope_Write_Internal_Data>0</Ope_Write_Internal_Data>"
                       "<Ope_WID_Address>0x07810</Ope_WID_Address><Ope_WID_Command>0x02</Ope_WID_Command>"
                       "<Ope_WID_Data>0x00, 0x00, 0x00, 0x01</Ope_WID_Data><Ope_GoToApp_After>"),
              std::string::npos);
    EXPECT_EQ(operations(Compile_XML_Parameter_New_Boot(request(1, true))).size(), 1u);
    EXPECT_EQ(operations(Compile_XML_Parameter_New_Boot(request(2, true))).size(), 3u);
}

TEST(UpdateDescription, SavedBesideTheExecutableByProfile)
{
    TempDir dir;
    AtomicFileWriter writer;
    const auto file = updateDescriptionFile(dir.path());
    EXPECT_EQ(file.filename(), "Ethernet_Update.xml");
    EXPECT_EQ(updaterProgram(dir.path()).filename(), "Ethernet_Update.exe");
    ASSERT_FALSE(saveUpdateDescription(file, DeviceProfile::Birch, request(2, true), writer));
    EXPECT_EQ(readAll(file), Compile_XML_Parameter(request(2, true)));
    ASSERT_FALSE(saveUpdateDescription(file, DeviceProfile::Damson, request(2, true), writer));
    EXPECT_EQ(readAll(file), Compile_XML_Parameter_New_Boot(request(2, true)));
}

TEST(UpdateDescription, RelativeFoldersBecomeFullPaths)
{
    UpdateRequest r = request(1, true);
    r.masterDir = "MASTER";
    const auto ops = operations(Compile_XML_Parameter(r));
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].file, (std::filesystem::current_path() / "MASTER" / "Birchfw.sim").string());
}

TEST(GetTypeDev, NumberOrZero)
{
    struct Case {
        std::optional<std::string> file;
        int expected;
    };
    const std::vector<Case> cases = {
        {std::nullopt, 0},
        {"<Par_Gen><BACnet_Type>7</BACnet_Type></Par_Gen>", 7},
        {"<X><BACnet_Type>-3</BACnet_Type></X>", -3},
        {"<Par_Gen><BACnet_Type> 7</BACnet_Type></Par_Gen>", 0},
        {"<Par_Gen><Other>7</Other></Par_Gen>", 0},
        {"<Par_Gen><BACnet_Type>7", 0},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.file)
            writeFixture(dir / "ParGen.xml", *c.file);
        EXPECT_EQ(Get_Type_Dev(dir / "ParGen.xml"), c.expected) << c.file.value_or("(missing)");
    }
}

} // namespace
} // namespace birch::test
