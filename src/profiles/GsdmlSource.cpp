#include "profiles/GsdmlSource.h"

#include "core/AppState.h"

#include <optional>

namespace birch {

GsdmlSource Make_Project_GSDML(const AppState& state, const GsdmlDevice& device)
{
    std::optional<Catalog> built;
    const Catalog& catalog = state.NMEA0183 ? *state.NMEA0183 : built.emplace(Catalog::Init_NMEA0183_Map());
    // Without a project there are no rules to describe.
    const ObjectsMapLoad load =
        state.NmeaAccessFile.empty() ? ObjectsMapLoad{} : loadObjectsMap(state.NmeaAccessFile, catalog);
    switch (load.status) {
    case ObjectsMapLoad::Status::Ok:
        break;
    case ObjectsMapLoad::Status::Unreadable:
        return {GsdmlSource::Status::Unreadable, state.NmeaAccessFile, load.reason, {}};
    case ObjectsMapLoad::Status::Malformed:
        return {GsdmlSource::Status::Malformed, state.NmeaAccessFile, load.reason, {}, load.at};
    }
    return {GsdmlSource::Status::Ok, {}, {}, Build_GSDML(load.map, device)};
}

} // namespace birch
