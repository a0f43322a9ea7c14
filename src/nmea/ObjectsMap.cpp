#include "nmea/ObjectsMap.h"

#include "nmea/ListenerFile.h"

#include <limits>

namespace birch {

ObjectsMapLoad loadObjectsMap(const std::filesystem::path& ruleFile, const Catalog& catalog)
{
    ObjectsMapLoad result;
    // The map lists every rule of the file, not only those that fit a table.
    const ListenerFileLoad file = readListenerFile(
        ruleFile, std::numeric_limits<std::size_t>::max(), [&](std::size_t position, const ListenerRow& row) {
            // A child that is not an element has no attributes, so it reads as disabled.
            if (row.attribute("Enable") != "Y")
                return;
            ObjectsMapRule rule;
            rule.row = static_cast<int>(position) + 1;
            rule.sentence = row.attribute("Sentence").value_or("");
            rule.serialChannel = row.attribute("Serial_Channel").value_or("");
            rule.mnemonic = row.attribute("Mnemonic").value_or("");
            const int sentence = catalog.Find_Sentence(rule.sentence);
            if (sentence < 1)
                return;
            for (const TFieldSentence& field : catalog.NMEA0183_Map()[static_cast<std::size_t>(sentence) - 1].Fields) {
                rule.fields.push_back({std::string(field.Field), result.map.byteCount, field.Dimension});
                result.map.byteCount += field.Dimension;
            }
            if (!rule.fields.empty())
                result.map.rules.push_back(std::move(rule));
        });
    switch (file.status) {
    case ListenerFileLoad::Status::Unreadable:
        result.status = ObjectsMapLoad::Status::Unreadable;
        break;
    case ListenerFileLoad::Status::Malformed:
        result.status = ObjectsMapLoad::Status::Malformed;
        break;
    case ListenerFileLoad::Status::Missing:
    case ListenerFileLoad::Status::NoListener:
    case ListenerFileLoad::Status::Ok:
        // No file, or no NMEA_Listener in it: the map holds no rule.
        break;
    }
    result.reason = file.reason;
    result.at = file.at;
    return result;
}

} // namespace birch
