#include "profiles/EtherCatPlacement.h"

#include "common/DecimalNumber.h"
#include "common/TextUtil.h"
#include "profiles/EtherCatGrid.h"
#include "profiles/EtherCatTypes.h"
#include "profiles/EtherCatVariable.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace birch {

namespace {

struct Place {
    int row = 0;
    bool enabled = false;
    std::int64_t position = 0;
    int bit = 0;
    std::int64_t bytes = 0; // what the variable occupies from its position
};

// Walks the rows in use with the byte position, the bit number and the open bit group.
std::vector<Place> placeRows(const GridModel& grid, const VariableColumns& columns)
{
    std::vector<Place> places;
    std::int64_t position = 0;
    int bit = 0;
    bool groupOpen = false;
    for (int row = 1; row <= grid.lastRow(); ++row) {
        const std::string& type = grid.text(row, columns.type);
        if (trimControl(type).empty())
            break;
        Place place;
        place.row = row;
        place.enabled = grid.hasCheckBox(row, columns.enable) && grid.checked(row, columns.enable);
        if (!place.enabled) {
            places.push_back(place);
            continue;
        }
        if (type == "Bool") {
            place.position = position;
            place.bit = bit;
            place.bytes = 1;
            groupOpen = true;
            if (++bit == 8) {
                bit = 0;
                ++position;
            }
        } else {
            if (groupOpen) {
                if (bit > 0)
                    ++position;
                bit = 0;
                groupOpen = false;
            }
            const auto fixed = Fixed_Type_Size(type);
            // A negative length would move later variables back over this one.
            place.bytes = fixed ? *fixed : std::max<std::int64_t>(decimalOr(grid.text(row, columns.length), 0), 0);
            place.position = position;
            position += place.bytes;
        }
        places.push_back(place);
    }
    return places;
}

} // namespace

void Calc_Position_Bit(GridModel& grid, bool SlaveMaster)
{
    const VariableColumns& columns = Variable_Columns(SlaveMaster);
    for (const Place& place : placeRows(grid, columns)) {
        grid.setText(place.row, columns.position, std::to_string(place.position));
        grid.setText(place.row, columns.bitStart, std::to_string(place.bit));
    }
}

std::vector<int> Rows_Past_Data_Area(const GridModel& grid, bool SlaveMaster)
{
    std::vector<int> rows;
    for (const Place& place : placeRows(grid, Variable_Columns(SlaveMaster)))
        if (place.enabled && place.position + std::max<std::int64_t>(place.bytes, 1) > kDataAreaSize)
            rows.push_back(place.row);
    return rows;
}

} // namespace birch
