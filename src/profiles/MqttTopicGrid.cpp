#include "profiles/MqttTopicGrid.h"

#include "common/TextUtil.h"

#include <array>
#include <string>

namespace birch {

namespace {

constexpr std::array<int, 6> kPublishHidden = {PubColumn::IPAddress, PubColumn::InputTemplate, PubColumn::OnCMD,
                                               PubColumn::Channel,   PubColumn::Swap,          PubColumn::SwapWord};
constexpr std::array<int, 6> kPublishChecks = {PubColumn::Retained, PubColumn::OnChange, PubColumn::OnCMD,
                                               PubColumn::OnTimer,  PubColumn::Swap,     PubColumn::SwapWord};
constexpr std::array<int, 7> kSubscribeHidden = {SubColumn::Retained,     SubColumn::IPAddress, SubColumn::Port,
                                                 SubColumn::EthType,      SubColumn::Swap,      SubColumn::SwapWord,
                                                 SubColumn::InputTemplate};
constexpr std::array<int, 3> kSubscribeChecks = {SubColumn::Retained, SubColumn::Swap, SubColumn::SwapWord};

template <std::size_t Hidden, std::size_t Checks>
void resetGrid(GridModel& grid, const std::array<int, Hidden>& hidden, const std::array<int, Checks>& checks)
{
    for (int column = 1; column < grid.columnCount(); ++column) {
        grid.setColumnHidden(column, false);
        grid.setCheckEditorColumn(column, false);
    }
    for (const int column : hidden)
        grid.setColumnHidden(column, true);
    for (const int column : checks)
        grid.setCheckEditorColumn(column, true);
    for (int row = 1; row <= grid.lastRow(); ++row) {
        grid.setText(row, 0, std::to_string(row));
        for (int column = 1; column < grid.columnCount(); ++column)
            grid.setText(row, column, std::string());
    }
}

template <typename Row> void putRows(GridModel& grid, const std::vector<Row>& rows)
{
    for (std::size_t i = 0; i < rows.size() && static_cast<int>(i) < grid.lastRow(); ++i)
        for (int column = 1; column < grid.columnCount(); ++column)
            grid.setText(static_cast<int>(i) + 1, column, rows[i][static_cast<std::size_t>(column)]);
}

} // namespace

void Reset_Mqtt_Publish_Grid(GridModel& grid)
{
    resetGrid(grid, kPublishHidden, kPublishChecks);
}

void Reset_Mqtt_Subscribe_Grid(GridModel& grid)
{
    resetGrid(grid, kSubscribeHidden, kSubscribeChecks);
}

GridModel makeMqttPublishGrid()
{
    GridModel grid(kMqttTopicRows + 1, PubColumn::Count);
    Reset_Mqtt_Publish_Grid(grid);
    return grid;
}

GridModel makeMqttSubscribeGrid()
{
    GridModel grid(kMqttTopicRows + 1, SubColumn::Count);
    Reset_Mqtt_Subscribe_Grid(grid);
    return grid;
}

void fillMqttGrids(GridModel& publish, GridModel& subscribe, const MqttTopicLoad& load)
{
    putRows(publish, load.publish);
    putRows(subscribe, load.subscribe);
}

bool mqttRowInUse(const GridModel& grid, int row)
{
    static_assert(PubColumn::Topic == SubColumn::Topic);
    return !trimControl(grid.text(row, PubColumn::Topic)).empty();
}

std::vector<MqttPublishRow> publishRowsInUse(const GridModel& grid)
{
    std::vector<MqttPublishRow> rows;
    for (int row = 1; row <= grid.lastRow() && mqttRowInUse(grid, row); ++row) {
        MqttPublishRow values;
        for (int column = 1; column < PubColumn::Count; ++column)
            values[static_cast<std::size_t>(column)] = grid.text(row, column);
        rows.push_back(std::move(values));
    }
    return rows;
}

} // namespace birch
