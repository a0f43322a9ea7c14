#include "profiles/MqttTopicValidation.h"

#include "common/DecimalNumber.h"
#include "common/IpAddress.h"
#include "common/TextUtil.h"
#include "profiles/MqttTopicGrid.h"

#include <algorithm>
#include <string>

namespace birch {

namespace {

constexpr int kNoColumn = -1;
constexpr int kErrorRow = 1351;
constexpr int kHighestPort = 65535;
constexpr int kHighestTime = 999999999;

// Where one list keeps the checked values and which text each rule shows.
struct ListRules {
    MqttList list;
    int dataType, dimension, position, ipAddress, port, inputTemplate, templateColumn, onTimer, time;
    int dataTypeText, intDimensionText, floatDimensionText, otherDimensionText, positionText, ipText, portText,
        inputTemplateText, templateText, timeText;
};

constexpr ListRules kPublishRules{.list = MqttList::Publish,
                                  .dataType = PubColumn::DataType,
                                  .dimension = PubColumn::Dimension,
                                  .position = PubColumn::Position,
                                  .ipAddress = PubColumn::IPAddress,
                                  .port = kNoColumn,
                                  .inputTemplate = PubColumn::InputTemplate,
                                  .templateColumn = PubColumn::Template,
                                  .onTimer = PubColumn::OnTimer,
                                  .time = PubColumn::Time,
                                  .dataTypeText = 1352,
                                  .intDimensionText = 1353,
                                  .floatDimensionText = 1354,
                                  .otherDimensionText = 1355,
                                  .positionText = 1356,
                                  .ipText = 1374,
                                  .portText = 0,
                                  .inputTemplateText = 1377,
                                  .templateText = 1378,
                                  .timeText = 1389};

constexpr ListRules kSubscribeRules{.list = MqttList::Subscribe,
                                    .dataType = SubColumn::DataType,
                                    .dimension = SubColumn::Dimension,
                                    .position = SubColumn::Position,
                                    .ipAddress = SubColumn::IPAddress,
                                    .port = SubColumn::Port,
                                    .inputTemplate = SubColumn::InputTemplate,
                                    .templateColumn = SubColumn::Template,
                                    .onTimer = kNoColumn,
                                    .time = kNoColumn,
                                    .dataTypeText = 1357,
                                    .intDimensionText = 1358,
                                    .floatDimensionText = 1359,
                                    .otherDimensionText = 1360,
                                    .positionText = 1361,
                                    .ipText = 1375,
                                    .portText = 1376,
                                    .inputTemplateText = 1379,
                                    .templateText = 1380,
                                    .timeText = 0};

bool shown(const GridModel& grid, int column)
{
    return column != kNoColumn && !grid.columnHidden(column);
}

// The dimension rule of a data type: its text number when `dimension` does not fit it.
std::optional<int> dimensionRefusal(const ListRules& rules, const std::string& type, int dimension)
{
    if (type == "INT") {
        if (dimension == 1 || dimension == 2 || dimension == 4 || dimension == 8)
            return std::nullopt;
        return rules.intDimensionText;
    }
    if (type == "FLOAT") {
        if (dimension == 4 || dimension == 8)
            return std::nullopt;
        return rules.floatDimensionText;
    }
    if (dimension >= 1)
        return std::nullopt;
    return rules.otherDimensionText;
}

// The first rule the row breaks, in the order of the checks.
std::optional<MqttFailure> checkRow(const GridModel& grid, int row, const ListRules& rules, int byteSize)
{
    const auto text = [&](int column) -> const std::string& { return grid.text(row, column); };
    const auto fail = [&](int number) { return MqttFailure{rules.list, row, number, std::nullopt}; };

    const std::string type = upperAscii(trimControl(text(rules.dataType)));
    if (shown(grid, rules.dataType) && type.empty())
        return fail(rules.dataTypeText);
    if (shown(grid, rules.dimension))
        if (const auto refusal = dimensionRefusal(rules, type, decimalOr(text(rules.dimension), -1)))
            return fail(*refusal);
    if (shown(grid, rules.position)) {
        const auto position = parseDecimal(text(rules.position));
        if (!position || *position < 0 || *position >= byteSize)
            return MqttFailure{rules.list, row, rules.positionText, byteSize - 1};
    }
    if (shown(grid, rules.ipAddress) && !Valid_IP_Address(trimControl(text(rules.ipAddress))).valid)
        return fail(rules.ipText);
    if (shown(grid, rules.port)) {
        const auto port = parseDecimal(text(rules.port));
        if (!port || *port < 0 || *port > kHighestPort)
            return fail(rules.portText);
    }
    if (shown(grid, rules.inputTemplate) && Error_In_Topic_Template(trimControl(text(rules.inputTemplate))))
        return fail(rules.inputTemplateText);
    if (shown(grid, rules.templateColumn) && Error_In_Topic_Template(trimControl(text(rules.templateColumn))))
        return fail(rules.templateText);
    // The timer rule holds whether or not its columns are shown.
    if (rules.onTimer != kNoColumn && upperAscii(trimControl(text(rules.onTimer))) == "Y") {
        const auto time = parseDecimal(text(rules.time));
        if (!time || *time < 1 || *time > kHighestTime)
            return fail(rules.timeText);
    }
    return std::nullopt;
}

std::optional<MqttFailure> checkList(const GridModel& grid, const ListRules& rules, int byteSize)
{
    for (int row = 1; row <= grid.lastRow() && mqttRowInUse(grid, row); ++row)
        if (auto failure = checkRow(grid, row, rules, byteSize))
            return failure;
    return std::nullopt;
}

} // namespace

bool Error_In_Topic_Template(std::string_view text)
{
    return std::count(text.begin(), text.end(), '$') % 2 != 0;
}

std::optional<MqttFailure> Controllo_dati(const GridModel& publish, const GridModel& subscribe, int Byte_IN,
                                          int Byte_OUT)
{
    if (auto failure = checkList(publish, kPublishRules, Byte_IN))
        return failure;
    return checkList(subscribe, kSubscribeRules, Byte_OUT);
}

std::string failureText(const TextList& texts, const MqttFailure& failure)
{
    std::string message = texts[kErrorRow] + std::to_string(failure.row) + texts[failure.text];
    if (failure.highestPosition)
        message += std::to_string(*failure.highestPosition);
    return message;
}

} // namespace birch
