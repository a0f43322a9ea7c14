#include "profiles/GsdmlDataType.h"
#include "profiles/GsdmlDocument.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace birch {
namespace {

GsdmlDevice testDevice(int inputBytes = 1438)
{
    return {"Velmora", "0x1A2B", "0x0C0D", "devicename1", inputBytes};
}

ObjectsMapRule rule(int row, std::string sentence, std::string channel, std::string mnemonic,
                    std::vector<std::pair<std::string, int>> fields, int& nextByte)
{
    ObjectsMapRule result{row, std::move(sentence), std::move(channel), std::move(mnemonic), {}};
    for (auto& [text, size] : fields) {
        result.fields.push_back({text, nextByte, size});
        nextByte += size;
    }
    return result;
}

// Two rules whose fields cover every value kind, the second with a mnemonic that XML must escape.
ObjectsMap sampleMap()
{
    ObjectsMap map;
    int next = 0;
    map.rules.push_back(
        rule(1, "MTW", "RS232", "Temp", {{"Water temperature [floating point]", 4}, {"Unit [character]", 1}}, next));
    map.rules.push_back(rule(3, "XDR", "RS485 2", "Tank <1> & \"2\" 'aft'",
                             {{"hour [decimal]", 1},
                              {"year [decimal]", 2},
                              {"local zone hours [decimal +/-]", 1},
                              {"Transducer ID [character string] (20 characters)", 20},
                              {"Wind speed, knots, Number", 4}},
                             next));
    map.byteCount = next;
    return map;
}

// The description parsed back, with its texts by id.
struct Parsed {
    pugi::xml_document document;
    std::map<std::string, std::string> texts;

    pugi::xml_node process() const
    {
        return document.child("ISO15745Profile").child("ProfileBody").child("ApplicationProcess");
    }
    pugi::xml_node accessPoint() const
    {
        return process().child("DeviceAccessPointList").child("DeviceAccessPointItem");
    }
    std::string text(pugi::xml_node element) const
    {
        const auto it = texts.find(element.attribute("TextId").value());
        return it == texts.end() ? "<missing " + std::string(element.attribute("TextId").value()) + ">" : it->second;
    }
    std::vector<pugi::xml_node> modules() const
    {
        std::vector<pugi::xml_node> all;
        for (pugi::xml_node module : process().child("ModuleList").children("ModuleItem"))
            all.push_back(module);
        return all;
    }
};

void parse(const std::string& xml, Parsed& parsed)
{
    const pugi::xml_parse_result result =
        parsed.document.load_string(xml.c_str(), pugi::parse_default | pugi::parse_comments);
    ASSERT_TRUE(result) << result.description() << " at " << result.offset;
    for (pugi::xml_node text : parsed.process().child("ExternalTextList").child("PrimaryLanguage").children("Text")) {
        const bool added =
            parsed.texts.emplace(text.attribute("TextId").value(), text.attribute("Value").value()).second;
        EXPECT_TRUE(added) << "text id twice: " << text.attribute("TextId").value();
    }
}

int bytesOf(pugi::xml_node dataItem)
{
    static const std::map<std::string, int> sizes = {
        {"Unsigned8", 1}, {"Unsigned16", 2}, {"Unsigned32", 4}, {"Unsigned64", 8}, {"Integer8", 1},
        {"Integer16", 2}, {"Integer32", 4},  {"Integer64", 8},  {"Float32", 4},    {"Float64", 8}};
    const auto it = sizes.find(dataItem.attribute("DataType").value());
    return it != sizes.end() ? it->second : dataItem.attribute("Length").as_int();
}

std::vector<std::string> childNames(pugi::xml_node parent)
{
    std::vector<std::string> names;
    for (pugi::xml_node child : parent.children())
        if (child.type() == pugi::node_element)
            names.emplace_back(child.name());
    return names;
}

TEST(GsdmlDataType, FromTheKindInBracketsAndTheSize)
{
    struct Case {
        std::string field;
        int size;
        GsdmlDataType type;
    };
    const Case cases[] = {
        {"Water temperature [floating point]", 4, {"Float32", 0}},
        {"Huge [floating point]", 8, {"Float64", 0}},
        {"Odd [floating point]", 2, {"OctetString", 2}},
        {"hour [decimal]", 1, {"Unsigned8", 0}},
        {"year [decimal]", 2, {"Unsigned16", 0}},
        {"Power, kW, Number [decimal]", 4, {"Unsigned32", 0}},
        {"Odd [decimal]", 3, {"OctetString", 3}},
        {"local zone hours [decimal +/-]", 1, {"Integer8", 0}},
        {"offset [decimal +/-]", 2, {"Integer16", 0}},
        {"offset [decimal +/-]", 4, {"Integer32", 0}},
        {"Status [character]", 1, {"VisibleString", 1}},
        {"Transducer ID [character string] (20 characters)", 20, {"VisibleString", 20}},
        {"Local datum code [string of 3 characters]", 3, {"VisibleString", 3}},
        {"Wind speed, knots, Number", 4, {"OctetString", 4}},
        {"Brackets [] empty", 2, {"OctetString", 2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gsdmlDataType(c.field, c.size), c.type) << c.field;
}

TEST(GsdmlDocument, IsAV225DeviceProfileWithOneAccessPoint)
{
    const GsdmlDocument built = Build_GSDML(sampleMap(), testDevice());
    EXPECT_EQ(built.xml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
    Parsed parsed;
    ASSERT_NO_FATAL_FAILURE(parse(built.xml, parsed));

    const pugi::xml_node root = parsed.document.document_element();
    EXPECT_STREQ(root.name(), "ISO15745Profile");
    EXPECT_STREQ(root.attribute("xmlns").value(), "http://www.profibus.com/GSDML/2003/11/DeviceProfile");
    EXPECT_NE(std::string(root.attribute("xsi:schemaLocation").value()).find("GSDML-DeviceProfile-V2.25.xsd"),
              std::string::npos);
    EXPECT_EQ(childNames(root), (std::vector<std::string>{"ProfileHeader", "ProfileBody"}));
    EXPECT_STREQ(root.child("ProfileHeader").child("ISO15745Reference").child_value("ProfileTechnology"), "GSDML");
    const pugi::xml_node body = root.child("ProfileBody");
    EXPECT_EQ(childNames(body), (std::vector<std::string>{"DeviceIdentity", "DeviceFunction", "ApplicationProcess"}));
    EXPECT_EQ(childNames(parsed.process()),
              (std::vector<std::string>{"DeviceAccessPointList", "ModuleList", "ExternalTextList"}));

    const pugi::xml_node identity = body.child("DeviceIdentity");
    EXPECT_STREQ(identity.attribute("VendorID").value(), "0x1A2B");
    EXPECT_STREQ(identity.attribute("DeviceID").value(), "0x0C0D");
    EXPECT_STREQ(identity.child("VendorName").attribute("Value").value(), "Velmora");

    const pugi::xml_node dap = parsed.accessPoint();
    EXPECT_FALSE(dap.next_sibling("DeviceAccessPointItem"));
    EXPECT_EQ(childNames(dap), (std::vector<std::string>{"ModuleInfo", "IOConfigData", "UseableModules",
                                                         "VirtualSubmoduleList", "SystemDefinedSubmoduleList"}));
    EXPECT_STREQ(dap.attribute("PhysicalSlots").value(), "0..2");
    EXPECT_STREQ(dap.attribute("DNS_CompatibleName").value(), "devicename1");
    EXPECT_EQ(dap.child("IOConfigData").attribute("MaxInputLength").as_int(), 1438);
    EXPECT_EQ(parsed.text(dap.child("ModuleInfo").child("Name")), "NMEA 0183 to PROFINET converter");
}

TEST(GsdmlDocument, EveryIdAndTextReferenceResolves)
{
    Parsed parsed;
    ASSERT_NO_FATAL_FAILURE(parse(Build_GSDML(sampleMap(), testDevice()).xml, parsed));
    std::set<std::string> ids;
    std::vector<pugi::xml_node> pending{parsed.document.document_element()};
    while (!pending.empty()) {
        const pugi::xml_node node = pending.back();
        pending.pop_back();
        if (const auto id = node.attribute("ID")) {
            EXPECT_TRUE(ids.insert(id.value()).second) << "ID twice: " << id.value();
        }
        if (const auto textId = node.attribute("TextId"); textId && std::string(node.name()) != "Text") {
            EXPECT_TRUE(parsed.texts.contains(textId.value())) << "no text " << textId.value();
        }
        for (pugi::xml_node child : node.children())
            pending.push_back(child);
    }
    for (pugi::xml_node ref : parsed.accessPoint().child("UseableModules").children("ModuleItemRef"))
        EXPECT_TRUE(ids.contains(ref.attribute("ModuleItemTarget").value()));
}

// The PLC programmer must find the objects map's bytes, in its order and under its names.
TEST(GsdmlDocument, OneInputModulePerRuleWithTheMapsFields)
{
    const ObjectsMap map = sampleMap();
    const GsdmlDocument built = Build_GSDML(map, testDevice());
    EXPECT_EQ(built.modules, 2);
    EXPECT_EQ(built.mapBytes, map.byteCount);
    EXPECT_FALSE(built.overLimit());
    EXPECT_EQ(built.modulesBeyond, 0);
    Parsed parsed;
    ASSERT_NO_FATAL_FAILURE(parse(built.xml, parsed));

    const std::vector<pugi::xml_node> modules = parsed.modules();
    ASSERT_EQ(modules.size(), map.rules.size());
    std::vector<pugi::xml_node> refs;
    for (pugi::xml_node ref : parsed.accessPoint().child("UseableModules").children("ModuleItemRef"))
        refs.push_back(ref);
    ASSERT_EQ(refs.size(), modules.size());

    int total = 0;
    for (std::size_t m = 0; m < modules.size(); ++m) {
        const ObjectsMapRule& rule = map.rules[m];
        SCOPED_TRACE(rule.sentence);
        EXPECT_STREQ(refs[m].attribute("ModuleItemTarget").value(), modules[m].attribute("ID").value());
        EXPECT_EQ(refs[m].attribute("FixedInSlots").as_int(), static_cast<int>(m + 1));

        const std::string name = parsed.text(modules[m].child("ModuleInfo").child("Name"));
        EXPECT_NE(name.find(rule.mnemonic), std::string::npos) << name;
        EXPECT_NE(name.find(rule.sentence), std::string::npos) << name;
        EXPECT_NE(name.find(rule.serialChannel), std::string::npos) << name;
        const std::string info = parsed.text(modules[m].child("ModuleInfo").child("InfoText"));
        EXPECT_NE(info.find("Rule " + std::to_string(rule.row)), std::string::npos) << info;

        const pugi::xml_node submodule = modules[m].child("VirtualSubmoduleList").child("VirtualSubmoduleItem");
        EXPECT_FALSE(submodule.next_sibling("VirtualSubmoduleItem"));
        const pugi::xml_node input = submodule.child("IOData").child("Input");
        EXPECT_FALSE(submodule.child("IOData").child("Output"));
        std::size_t f = 0;
        for (pugi::xml_node item : input.children("DataItem")) {
            ASSERT_LT(f, rule.fields.size());
            EXPECT_EQ(parsed.text(item), rule.fields[f].text);
            EXPECT_EQ(bytesOf(item), rule.fields[f].size) << rule.fields[f].text;
            total += bytesOf(item);
            ++f;
        }
        EXPECT_EQ(f, rule.fields.size());
    }
    EXPECT_EQ(total, map.byteCount);
}

TEST(GsdmlDocument, UserTextIsEscapedAndReadsBackUnchanged)
{
    ObjectsMap map;
    int next = 0;
    map.rules.push_back(
        rule(7, "MTW", "RS232 \"<b>\"", "a<b & c>\"d\" 'e' -- f", {{"Temp <&> [floating point]", 4}}, next));
    map.byteCount = next;
    const GsdmlDocument built = Build_GSDML(map, testDevice());
    EXPECT_EQ(built.xml.find("a<b"), std::string::npos);
    EXPECT_NE(built.xml.find("a&lt;b &amp; c"), std::string::npos);
    EXPECT_NE(built.xml.find("&quot;d&quot;"), std::string::npos);

    Parsed parsed;
    ASSERT_NO_FATAL_FAILURE(parse(built.xml, parsed));
    const pugi::xml_node module = parsed.modules().at(0);
    EXPECT_EQ(parsed.text(module.child("ModuleInfo").child("Name")), "a<b & c>\"d\" 'e' -- f - MTW (RS232 \"<b>\")");
    const pugi::xml_node item = module.child("VirtualSubmoduleList")
                                    .child("VirtualSubmoduleItem")
                                    .child("IOData")
                                    .child("Input")
                                    .child("DataItem");
    EXPECT_EQ(parsed.text(item), "Temp <&> [floating point]");
}

TEST(GsdmlDocument, TextsXmlCannotCarryAreReplaced)
{
    ObjectsMap map;
    int next = 0;
    map.rules.push_back(rule(1, "MTW", "RS232", std::string("T\x01\xFFp\n2", 6), {{"Temp [floating point]", 4}}, next));
    map.byteCount = next;
    Parsed parsed;
    ASSERT_NO_FATAL_FAILURE(parse(Build_GSDML(map, testDevice()).xml, parsed));
    EXPECT_EQ(parsed.text(parsed.modules().at(0).child("ModuleInfo").child("Name")),
              "T\xEF\xBF\xBD\xEF\xBF\xBDp 2 - MTW (RS232)");
}

TEST(GsdmlDocument, ModulesBeyondTheDevicesBytesAreMarked)
{
    ObjectsMap map;
    int next = 0;
    map.rules.push_back(rule(1, "MTW", "RS232", "fits", {{"Temp [floating point]", 4}, {"Unit [character]", 1}}, next));
    map.rules.push_back(rule(2, "MTW", "RS232", "ends at the limit", {{"Temp [floating point]", 4}}, next));
    map.rules.push_back(rule(4, "MTW", "RS232", "straddles", {{"Temp [floating point]", 4}}, next));
    map.rules.push_back(rule(5, "MTW", "RS232", "beyond", {{"Unit [character]", 1}}, next));
    map.byteCount = next; // 14
    const GsdmlDocument built = Build_GSDML(map, testDevice(9));
    EXPECT_TRUE(built.overLimit());
    EXPECT_EQ(built.mapBytes, 14);
    EXPECT_EQ(built.inputBytes, 9);
    EXPECT_EQ(built.modulesBeyond, 2);

    Parsed parsed;
    ASSERT_NO_FATAL_FAILURE(parse(built.xml, parsed));
    const std::vector<pugi::xml_node> modules = parsed.modules();
    ASSERT_EQ(modules.size(), 4u);
    for (std::size_t m = 0; m < modules.size(); ++m) {
        const bool beyond = m >= 2;
        const std::string info = parsed.text(modules[m].child("ModuleInfo").child("InfoText"));
        EXPECT_EQ(info.rfind("DOES NOT FIT", 0) == 0, beyond) << info;
        EXPECT_NE(info.find(beyond ? "beyond the 9 input bytes" : "input bytes"), std::string::npos) << info;
        const pugi::xml_node before = modules[m].previous_sibling();
        EXPECT_EQ(before.type() == pugi::node_comment, beyond) << m;
        if (beyond) {
            EXPECT_NE(std::string(before.value()).find("Slot " + std::to_string(m + 1)), std::string::npos);
        }
    }
    EXPECT_NE(parsed.text(modules[2].child("ModuleInfo").child("InfoText")).find("input bytes 9 to 12"),
              std::string::npos);
    // Still listed, so the PLC programmer sees what is missing.
    EXPECT_EQ(parsed.accessPoint().child("UseableModules").select_nodes("ModuleItemRef").size(), 4u);
}

TEST(GsdmlDocument, MapThatFillsTheDeviceExactlyIsNotOverTheLimit)
{
    ObjectsMap map;
    int next = 0;
    map.rules.push_back(rule(1, "MTW", "RS232", "", {{"Temp [floating point]", 4}}, next));
    map.byteCount = next;
    const GsdmlDocument built = Build_GSDML(map, testDevice(4));
    EXPECT_FALSE(built.overLimit());
    EXPECT_EQ(built.modulesBeyond, 0);
    EXPECT_EQ(built.xml.find("DOES NOT FIT"), std::string::npos);
    EXPECT_EQ(built.xml.find("<!--"), std::string::npos);
    Parsed parsed;
    ASSERT_NO_FATAL_FAILURE(parse(built.xml, parsed));
    EXPECT_EQ(parsed.text(parsed.modules().at(0).child("ModuleInfo").child("Name")), "MTW (RS232)");
}

TEST(GsdmlDocument, EmptyMapGivesTheAccessPointAlone)
{
    const GsdmlDocument built = Build_GSDML(ObjectsMap{}, testDevice());
    EXPECT_EQ(built.modules, 0);
    EXPECT_FALSE(built.overLimit());
    Parsed parsed;
    ASSERT_NO_FATAL_FAILURE(parse(built.xml, parsed));
    EXPECT_EQ(childNames(parsed.process()), (std::vector<std::string>{"DeviceAccessPointList", "ExternalTextList"}));
    EXPECT_FALSE(parsed.accessPoint().child("UseableModules"));
    EXPECT_STREQ(parsed.accessPoint().attribute("PhysicalSlots").value(), "0");
}

} // namespace
} // namespace birch
