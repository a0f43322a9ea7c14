#include "profiles/MqttTopicFile.h"

#include "common/Backup.h"
#include "common/Xml.h"

#include <array>
#include <optional>

namespace birch {

namespace {

constexpr const char* kRoot = "MQTT_Set_Topic";

// What a row gets when the file lacks an attribute.
enum class WhenMissing { StopLoading, Empty, No };

struct Field {
    const char* attribute;
    int column;
    WhenMissing whenMissing;
};

// In the order the writer sets them.
constexpr std::array<Field, 13> kPublishFields = {{
    {"Topic", PubColumn::Topic, WhenMissing::StopLoading},
    {"Retained", PubColumn::Retained, WhenMissing::StopLoading},
    {"QoS", PubColumn::QoS, WhenMissing::StopLoading},
    {"DataType", PubColumn::DataType, WhenMissing::Empty},
    {"Dimension", PubColumn::Dimension, WhenMissing::Empty},
    {"Position", PubColumn::Position, WhenMissing::Empty},
    {"IPAddress", PubColumn::IPAddress, WhenMissing::Empty},
    {"InputTemplate", PubColumn::InputTemplate, WhenMissing::Empty},
    {"Template", PubColumn::Template, WhenMissing::Empty},
    {"OnChange", PubColumn::OnChange, WhenMissing::No},
    {"OnTimer", PubColumn::OnTimer, WhenMissing::No},
    {"Time", PubColumn::Time, WhenMissing::Empty},
    {"Mnemonic", PubColumn::Mnemonic, WhenMissing::StopLoading},
}};

constexpr std::array<Field, 12> kSubscribeFields = {{
    {"Topic", SubColumn::Topic, WhenMissing::StopLoading},
    {"Retained", SubColumn::Retained, WhenMissing::StopLoading},
    {"QoS", SubColumn::QoS, WhenMissing::StopLoading},
    {"DataType", SubColumn::DataType, WhenMissing::Empty},
    {"Dimension", SubColumn::Dimension, WhenMissing::Empty},
    {"Position", SubColumn::Position, WhenMissing::Empty},
    {"IPAddress", SubColumn::IPAddress, WhenMissing::Empty},
    {"Port", SubColumn::Port, WhenMissing::Empty},
    {"EthType", SubColumn::EthType, WhenMissing::Empty},
    {"InputTemplate", SubColumn::InputTemplate, WhenMissing::Empty},
    {"Template", SubColumn::Template, WhenMissing::Empty},
    {"Mnemonic", SubColumn::Mnemonic, WhenMissing::StopLoading},
}};

// Columns the file does not hold that start unticked.
constexpr std::array<int, 2> kPublishUnticked = {PubColumn::Swap, PubColumn::SwapWord};
constexpr std::array<int, 2> kSubscribeUnticked = {SubColumn::Swap, SubColumn::SwapWord};

struct RowStop {
    std::size_t row;
    const char* attribute;
};

// Fills `rows` from the children of `list` by position, up to the table's last row. A child
// that is not an element has no attributes, so it lacks the required ones.
template <typename Row, std::size_t FieldCount, std::size_t UntickedCount>
std::optional<RowStop> readRows(pugi::xml_node list, const std::array<Field, FieldCount>& fields,
                                const std::array<int, UntickedCount>& unticked, std::vector<Row>& rows,
                                std::size_t& notLoaded)
{
    const auto children = childrenByPosition(list);
    const auto capacity = static_cast<std::size_t>(kMqttTopicRows);
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (i >= capacity) {
            notLoaded = children.size() - capacity;
            break;
        }
        const bool element = children[i].type() == pugi::node_element;
        Row row{};
        for (const int column : unticked)
            row[static_cast<std::size_t>(column)] = "N";
        for (const Field& field : fields) {
            const pugi::xml_attribute value = element ? children[i].attribute(field.attribute) : pugi::xml_attribute();
            std::string& cell = row[static_cast<std::size_t>(field.column)];
            if (value)
                cell = value.value();
            else if (field.whenMissing == WhenMissing::StopLoading)
                return RowStop{i + 1, field.attribute};
            else if (field.whenMissing == WhenMissing::No)
                cell = "N";
        }
        rows.push_back(std::move(row));
    }
    return std::nullopt;
}

void stopAt(MqttTopicLoad& load, MqttList list, std::size_t row, std::string attribute)
{
    load.status = MqttTopicLoad::Status::Incomplete;
    load.stoppedIn = list;
    load.stoppedAtRow = row;
    load.missingAttribute = std::move(attribute);
}

} // namespace

MqttTopicLoad loadMqttTopicFile(const std::filesystem::path& file)
{
    MqttTopicLoad load;
    XmlFileResult xml = loadXmlFile(file);
    switch (xml.status) {
    case XmlFileResult::Status::Missing:
        return load;
    case XmlFileResult::Status::Unreadable:
        load.status = MqttTopicLoad::Status::Unreadable;
        load.reason = xml.reason;
        return load;
    case XmlFileResult::Status::Malformed:
        load.status = MqttTopicLoad::Status::Malformed;
        load.reason = xml.reason;
        load.at = xml.at;
        return load;
    case XmlFileResult::Status::Ok:
        break;
    }
    const pugi::xml_node root = firstNode(*xml.document);

    const pugi::xml_node publish = childElement(root, mqttListElement(MqttList::Publish));
    if (!publish) {
        stopAt(load, MqttList::Publish, 0, {});
        return load;
    }
    if (const auto stop = readRows(publish, kPublishFields, kPublishUnticked, load.publish, load.publishNotLoaded)) {
        stopAt(load, MqttList::Publish, stop->row, stop->attribute);
        return load;
    }

    const pugi::xml_node subscribe = childElement(root, mqttListElement(MqttList::Subscribe));
    if (!subscribe) {
        stopAt(load, MqttList::Subscribe, 0, {});
        return load;
    }
    if (const auto stop =
            readRows(subscribe, kSubscribeFields, kSubscribeUnticked, load.subscribe, load.subscribeNotLoaded)) {
        stopAt(load, MqttList::Subscribe, stop->row, stop->attribute);
        return load;
    }
    load.status = MqttTopicLoad::Status::Ok;
    return load;
}

std::string mqttTopicDocument(const std::vector<MqttPublishRow>& rows)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child(kRoot);
    document.append_child(pugi::node_comment).set_value(std::string(kMqttTopicVersionComment).c_str());
    pugi::xml_node publish = root.append_child(mqttListElement(MqttList::Publish));
    for (const MqttPublishRow& row : rows) {
        pugi::xml_node element = publish.append_child("row");
        for (const Field& field : kPublishFields)
            element.append_attribute(field.attribute) = row[static_cast<std::size_t>(field.column)].c_str();
    }
    root.append_child(mqttListElement(MqttList::Subscribe));
    return serializeXml(document);
}

MqttTopicSave saveMqttTopicFile(const std::filesystem::path& file, const std::vector<MqttPublishRow>& rows,
                                FileWriter& writer, bool keepDamaged)
{
    MqttTopicSave result;
    if (keepDamaged) {
        const BackupResult backup = keepBackup(file);
        if (!backup.ok()) {
            result.status = MqttTopicSave::Status::BackupFailed;
            result.reason = backup.error;
            return result;
        }
    }
    if (const auto error = writer.write(file, mqttTopicDocument(rows))) {
        result.status = MqttTopicSave::Status::WriteFailed;
        result.reason = error->reason;
    }
    return result;
}

} // namespace birch
