#pragma once

#include "common/GridModel.h"
#include "profiles/MqttTopicColumns.h"
#include "profiles/MqttTopicFile.h"

#include <vector>

namespace birch {

// The two topic tables as a showing starts: the columns hidden in this profile, the check-box
// columns, and every data row holding only its number.
void Reset_Mqtt_Publish_Grid(GridModel& grid);
void Reset_Mqtt_Subscribe_Grid(GridModel& grid);
GridModel makeMqttPublishGrid();
GridModel makeMqttSubscribeGrid();

// Puts the loaded rows into the tables, from row 1; the other rows stay as they are.
void fillMqttGrids(GridModel& publish, GridModel& subscribe, const MqttTopicLoad& load);

// A row is in use while its Topic, trimmed, is not empty; the first row that is not ends the list.
bool mqttRowInUse(const GridModel& grid, int row);

// The publish rows to save: the rows in use, each cell exactly as it stands.
std::vector<MqttPublishRow> publishRowsInUse(const GridModel& grid);

} // namespace birch
