#include "nmea/RuleFile.h"

#include "common/Backup.h"
#include "common/TextUtil.h"
#include "common/Xml.h"
#include "core/BuildConstants.h"
#include "nmea/PostOperationText.h"
#include "nmea/SerialChannels.h"

#include <string_view>

namespace birch {

namespace {

constexpr const char* kRoot = "NMEA_0183";
constexpr const char* kListener = "NMEA_Listener";

// The attributes of one row element; a child that is not an element reads as the fallbacks.
class RowValues {
public:
    explicit RowValues(pugi::xml_node node) : node_(node), element_(node.type() == pugi::node_element) {}

    std::string_view get(const char* name, std::string_view fallback) const
    {
        return element_ ? std::string_view(node_.attribute(name).value()) : fallback;
    }

private:
    pugi::xml_node node_;
    bool element_;
};

TNMEA0183_Rule readRule(const RowValues& values, const Catalog& catalog, const std::vector<std::string>& channels)
{
    TNMEA0183_Rule rule;
    rule.Enable = values.get("Enable", "Y") != "N";
    rule.Serial_Channel = Get_Serial_Channel(values.get("Serial_Channel", "RS232"), channels);
    rule.Sentence = catalog.Get_Sentence(values.get("Sentence", ""));
    rule.Index = std::string(values.get("Index", ""));
    rule.DataField = catalog.Get_DataField(values.get("DataField", ""), rule.Sentence);
    rule.PortOperation = Get_PostOperatin(values.get("PortOperation", "None"));
    rule.SwapAll = values.get("SwapAll", "N") == "Y";
    rule.Swap16 = values.get("Swap16", "N") == "Y";
    rule.Position = std::string(values.get("Position", ""));
    rule.Mnemonic = std::string(values.get("Mnemonic", ""));
    return rule;
}

const char* flag(bool on)
{
    return on ? "Y" : "N";
}

} // namespace

RuleFileLoad loadRuleFile(const std::filesystem::path& file, const Catalog& catalog,
                          const std::vector<std::string>& offeredChannels)
{
    RuleFileLoad result;
    XmlFileResult xml = loadXmlFile(file);
    switch (xml.status) {
    case XmlFileResult::Status::Missing:
        return result;
    case XmlFileResult::Status::Unreadable:
        result.status = RuleFileLoad::Status::Unreadable;
        result.reason = xml.reason;
        return result;
    case XmlFileResult::Status::Malformed:
        result.status = RuleFileLoad::Status::Malformed;
        result.reason = xml.reason;
        return result;
    case XmlFileResult::Status::Ok:
        break;
    }
    const pugi::xml_node listener = childElement(firstNode(*xml.document), kListener);
    if (!listener) {
        result.status = RuleFileLoad::Status::NoListener;
        return result;
    }
    result.status = RuleFileLoad::Status::Ok;
    const auto children = childrenByPosition(listener);
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (i >= result.rules.size()) {
            result.notLoaded = children.size() - result.rules.size();
            break;
        }
        result.rules[i] = readRule(RowValues(children[i]), catalog, offeredChannels);
    }
    return result;
}

std::string ruleDocument(const RuleTable& rules)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child(kRoot);
    document.append_child(pugi::node_comment).set_value(std::string(kSoftwareVersionComment).c_str());
    pugi::xml_node listener = root.append_child(kListener);
    for (const TNMEA0183_Rule& rule : rules) {
        if (trimControl(rule.Sentence).empty())
            break;
        pugi::xml_node row = listener.append_child("row");
        row.append_attribute("Enable") = flag(rule.Enable);
        row.append_attribute("Serial_Channel") = rule.Serial_Channel.c_str();
        row.append_attribute("Sentence") = rule.Sentence.c_str();
        row.append_attribute("Index") = rule.Index.c_str();
        row.append_attribute("DataField") = rule.DataField.c_str();
        row.append_attribute("PortOperation") = rule.PortOperation.c_str();
        row.append_attribute("SwapAll") = flag(rule.SwapAll);
        row.append_attribute("Swap16") = flag(rule.Swap16);
        row.append_attribute("Position") = rule.Position.c_str();
        row.append_attribute("Mnemonic") = rule.Mnemonic.c_str();
    }
    return serializeXml(document);
}

RuleFileSave saveRuleFile(const std::filesystem::path& file, const RuleTable& rules, FileWriter& writer,
                          bool keepDamaged)
{
    RuleFileSave result;
    if (keepDamaged) {
        const BackupResult backup = keepBackup(file);
        if (!backup.ok()) {
            result.status = RuleFileSave::Status::BackupFailed;
            result.reason = backup.error;
            return result;
        }
    }
    if (const auto error = writer.write(file, ruleDocument(rules))) {
        result.status = RuleFileSave::Status::WriteFailed;
        result.reason = error->reason;
    }
    return result;
}

} // namespace birch
