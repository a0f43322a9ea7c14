#include "nmea/ListenerFile.h"

#include "common/Backup.h"
#include "common/Xml.h"

namespace birch {

namespace {

constexpr const char* kRoot = "NMEA_0183";
constexpr const char* kListener = "NMEA_Listener";

ListenerRow toRow(pugi::xml_node node)
{
    ListenerRow row;
    row.element = node.type() == pugi::node_element;
    if (row.element)
        for (const pugi::xml_attribute attribute : node.attributes())
            row.attributes.emplace_back(attribute.name(), attribute.value());
    return row;
}

} // namespace

std::optional<std::string_view> ListenerRow::attribute(std::string_view name) const
{
    for (const auto& [key, value] : attributes)
        if (key == name)
            return std::string_view(value);
    return std::nullopt;
}

ListenerFileLoad readListenerFile(const std::filesystem::path& file, std::size_t tableRows,
                                  const ListenerRowReader& readRow)
{
    ListenerFileLoad result;
    XmlFileResult xml = loadXmlFile(file);
    switch (xml.status) {
    case XmlFileResult::Status::Missing:
        return result;
    case XmlFileResult::Status::Unreadable:
        result.status = ListenerFileLoad::Status::Unreadable;
        result.reason = xml.reason;
        return result;
    case XmlFileResult::Status::Malformed:
        result.status = ListenerFileLoad::Status::Malformed;
        result.reason = xml.reason;
        result.at = xml.at;
        return result;
    case XmlFileResult::Status::Ok:
        break;
    }
    const pugi::xml_node listener = childElement(firstNode(*xml.document), kListener);
    if (!listener) {
        result.status = ListenerFileLoad::Status::NoListener;
        return result;
    }
    result.status = ListenerFileLoad::Status::Ok;
    const auto children = childrenByPosition(listener);
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (i >= tableRows) {
            result.notLoaded = children.size() - tableRows;
            break;
        }
        readRow(i, toRow(children[i]));
    }
    return result;
}

std::string listenerDocument(std::string_view versionComment, const std::vector<ListenerAttributes>& rows)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child(kRoot);
    document.append_child(pugi::node_comment).set_value(std::string(versionComment).c_str());
    pugi::xml_node listener = root.append_child(kListener);
    for (const ListenerAttributes& attributes : rows) {
        pugi::xml_node row = listener.append_child("row");
        for (const auto& [name, value] : attributes)
            row.append_attribute(name.c_str()) = value.c_str();
    }
    return serializeXml(document);
}

ListenerFileSave saveListenerFile(const std::filesystem::path& file, std::string_view bytes, FileWriter& writer,
                                  bool keepDamaged)
{
    ListenerFileSave result;
    if (keepDamaged) {
        const BackupResult backup = keepBackup(file);
        if (!backup.ok()) {
            result.status = ListenerFileSave::Status::BackupFailed;
            result.reason = backup.error;
            return result;
        }
    }
    if (const auto error = writer.write(file, bytes)) {
        result.status = ListenerFileSave::Status::WriteFailed;
        result.reason = error->reason;
    }
    return result;
}

} // namespace birch
