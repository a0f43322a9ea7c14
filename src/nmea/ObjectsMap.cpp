#include "nmea/ObjectsMap.h"

#include "common/Xml.h"

namespace birch {

namespace {

// A child that is not an element has no attributes, so it reads as disabled.
std::string attribute(pugi::xml_node node, const char* name)
{
    return node.type() == pugi::node_element ? std::string(node.attribute(name).value()) : std::string();
}

} // namespace

ObjectsMapLoad loadObjectsMap(const std::filesystem::path& ruleFile, const Catalog& catalog)
{
    ObjectsMapLoad result;
    XmlFileResult xml = loadXmlFile(ruleFile);
    switch (xml.status) {
    case XmlFileResult::Status::Missing:
        return result;
    case XmlFileResult::Status::Unreadable:
        result.status = ObjectsMapLoad::Status::Unreadable;
        result.reason = xml.reason;
        return result;
    case XmlFileResult::Status::Malformed:
        result.status = ObjectsMapLoad::Status::Malformed;
        result.reason = xml.reason;
        return result;
    case XmlFileResult::Status::Ok:
        break;
    }
    const pugi::xml_node listener = childElement(firstNode(*xml.document), "NMEA_Listener");
    const auto children = childrenByPosition(listener);
    for (std::size_t i = 0; i < children.size(); ++i) {
        const pugi::xml_node child = children[i];
        if (attribute(child, "Enable") != "Y")
            continue;
        ObjectsMapRule rule;
        rule.row = static_cast<int>(i) + 1;
        rule.sentence = attribute(child, "Sentence");
        rule.serialChannel = attribute(child, "Serial_Channel");
        rule.mnemonic = attribute(child, "Mnemonic");
        const int sentence = catalog.Find_Sentence(rule.sentence);
        if (sentence < 1)
            continue;
        for (const TFieldSentence& field : catalog.NMEA0183_Map()[static_cast<std::size_t>(sentence) - 1].Fields) {
            rule.fields.push_back({std::string(field.Field), result.map.byteCount, field.Dimension});
            result.map.byteCount += field.Dimension;
        }
        if (!rule.fields.empty())
            result.map.rules.push_back(std::move(rule));
    }
    return result;
}

} // namespace birch
