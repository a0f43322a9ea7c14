#include "common/Xml.h"

#include "common/FileRead.h"
#include "common/XmlError.h"

#include <sstream>

namespace birch {

XmlParseResult parseXml(std::string_view bytes, unsigned extraOptions)
{
    auto document = std::make_unique<pugi::xml_document>();
    const auto parsed =
        document->load_buffer(bytes.data(), bytes.size(), pugi::parse_full | extraOptions, pugi::encoding_auto);
    XmlParseResult result;
    if (!parsed) {
        XmlError error = describeXmlError(bytes, parsed);
        result.error = std::move(error.reason);
        result.errorAt = error.at;
        return result;
    }
    result.document = std::move(document);
    return result;
}

pugi::xml_node firstNode(const pugi::xml_document& document)
{
    return document.first_child();
}

pugi::xml_node childElement(pugi::xml_node parent, const char* name)
{
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element && std::string_view(child.name()) == name)
            return child;
    return {};
}

std::vector<pugi::xml_node> childrenByPosition(pugi::xml_node parent)
{
    std::vector<pugi::xml_node> children;
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
        children.push_back(child);
    return children;
}

std::optional<std::string> childText(pugi::xml_node parent, const char* name)
{
    const pugi::xml_node element = childElement(parent, name);
    if (!element)
        return std::nullopt;
    return std::string(element.text().get());
}

std::string serializeXml(const pugi::xml_document& document)
{
    std::ostringstream out;
    document.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return out.str();
}

XmlFileResult loadXmlFile(const std::filesystem::path& file, unsigned extraOptions)
{
    XmlFileResult result;
    const FileReadResult read = readFileForParsing(file);
    if (read.missing())
        return result;
    if (!read.ok()) {
        result.status = XmlFileResult::Status::Unreadable;
        result.reason = read.reason;
        return result;
    }
    XmlParseResult parsed = parseXml(read.bytes, extraOptions);
    if (!parsed.ok()) {
        result.status = XmlFileResult::Status::Malformed;
        result.reason = parsed.error;
        result.at = parsed.errorAt;
        return result;
    }
    result.status = XmlFileResult::Status::Ok;
    result.document = std::move(parsed.document);
    return result;
}

} // namespace birch
