#include "nmea/Save_Objects_Map.h"

#include "core/AppState.h"
#include "nmea/Catalog.h"
#include "nmea/ObjectsMap.h"

namespace birch {

ObjectsMapSave Save_Objects_Map(const std::filesystem::path& ruleFile, const std::filesystem::path& target,
                                const Catalog& catalog, FileWriter& writer)
{
    const ObjectsMapLoad load = loadObjectsMap(ruleFile, catalog);
    switch (load.status) {
    case ObjectsMapLoad::Status::Unreadable:
        return {ObjectsMapSave::Status::Unreadable, ruleFile, load.reason, std::nullopt};
    case ObjectsMapLoad::Status::Malformed:
        return {ObjectsMapSave::Status::Malformed, ruleFile, load.reason, std::nullopt, load.at};
    case ObjectsMapLoad::Status::Ok:
        break;
    }
    ObjectsMapBytes bytes = objectsMapBytes(load.map);
    if (!bytes.ok())
        return {ObjectsMapSave::Status::Unencodable, target, {}, std::move(bytes.error)};
    if (const auto error = writer.write(target, bytes.bytes))
        return {ObjectsMapSave::Status::WriteFailed, error->file, error->reason, std::nullopt};
    return {ObjectsMapSave::Status::Written, target, {}, std::nullopt};
}

ObjectsMapSave Save_Objects_Map(const AppState& state, const std::filesystem::path& target, FileWriter& writer)
{
    std::optional<Catalog> built;
    const Catalog& catalog = state.NMEA0183 ? *state.NMEA0183 : built.emplace(Catalog::Init_NMEA0183_Map());
    return Save_Objects_Map(state.NmeaAccessFile, target, catalog, writer);
}

} // namespace birch
