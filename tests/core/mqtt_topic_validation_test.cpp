#include "lang/ExtraTexts.h"
#include "lang/TextList.h"
#include "profiles/MqttTopicGrid.h"
#include "profiles/MqttTopicMessages.h"
#include "profiles/MqttTopicValidation.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace birch {
namespace {

using Cells = std::map<int, std::string>;

const TextList& englishTexts()
{
    static const TextList texts = [] {
        TextList t;
        Load_Default_Texts(t);
        return t;
    }();
    return texts;
}

// A publish row that passes every rule; `changes` replace some of its cells.
void putPublish(GridModel& grid, int row, const Cells& changes = {})
{
    Cells cells = {{PubColumn::Topic, "plant/level"}, {PubColumn::Retained, "N"},  {PubColumn::QoS, "0"},
                   {PubColumn::DataType, "Int"},      {PubColumn::Dimension, "2"}, {PubColumn::Position, "0"},
                   {PubColumn::Template, "$VALUE$"},  {PubColumn::OnTimer, "N"},   {PubColumn::Mnemonic, "Level"}};
    for (const auto& [column, text] : changes)
        cells[column] = text;
    for (const auto& [column, text] : cells)
        grid.setText(row, column, text);
}

void putSubscribe(GridModel& grid, int row, const Cells& changes = {})
{
    Cells cells = {{SubColumn::Topic, "plant/setpoint"}, {SubColumn::QoS, "1"},       {SubColumn::DataType, "Float"},
                   {SubColumn::Dimension, "4"},          {SubColumn::Position, "10"}, {SubColumn::Template, "$VALUE$"},
                   {SubColumn::Mnemonic, "Setpoint"}};
    for (const auto& [column, text] : changes)
        cells[column] = text;
    for (const auto& [column, text] : cells)
        grid.setText(row, column, text);
}

struct Case {
    const char* name;
    std::function<void(GridModel& publish, GridModel& subscribe)> fill;
    std::string message; // empty: OK accepts the tables
};

std::string judge(const Case& c)
{
    GridModel publish = makeMqttPublishGrid();
    GridModel subscribe = makeMqttSubscribeGrid();
    c.fill(publish, subscribe);
    const auto failure = Controllo_dati(publish, subscribe, kMqttByteIn, kMqttByteOut);
    return failure ? failureText(englishTexts(), *failure) : std::string();
}

// One publish row with these cells changed.
std::function<void(GridModel&, GridModel&)> pub(Cells changes)
{
    return [changes](GridModel& publish, GridModel&) { putPublish(publish, 1, changes); };
}

const std::string kPub = "Error row 1!! [MQTT Publish] ";
const std::string kSub = "Error row 1!! [MQTT Subscribe] ";

TEST(MqttTopicValidation, EachRowContentGetsItsMessage)
{
    const std::vector<Case> cases = {
        {"empty tables", [](GridModel&, GridModel&) {}, ""},
        {"a complete row", pub({}), ""},
        {"no data type", pub({{PubColumn::DataType, ""}}), kPub + "Data Type must be selected"},
        {"data type of blanks", pub({{PubColumn::DataType, " \t"}}), kPub + "Data Type must be selected"},
        {"data type compared trimmed and upper-cased",
         pub({{PubColumn::DataType, " float "}, {PubColumn::Dimension, "8"}}), ""},
        {"Int needs 1, 2, 4 or 8", pub({{PubColumn::Dimension, "3"}}),
         kPub + "Dimension must be equal to 1 or 2 or 4 or 8"},
        {"Int with a dimension that is no number", pub({{PubColumn::Dimension, "two"}}),
         kPub + "Dimension must be equal to 1 or 2 or 4 or 8"},
        {"Int 8", pub({{PubColumn::Dimension, "8"}}), ""},
        {"Float 2", pub({{PubColumn::DataType, "Float"}, {PubColumn::Dimension, "2"}}),
         kPub + "Dimension must be equal to 4 or 8"},
        {"String 0", pub({{PubColumn::DataType, "String"}, {PubColumn::Dimension, "0"}}),
         kPub + "Dimension must be major of 0"},
        {"String without dimension", pub({{PubColumn::DataType, "String"}, {PubColumn::Dimension, ""}}),
         kPub + "Dimension must be major of 0"},
        {"Base64 1", pub({{PubColumn::DataType, "Base64"}, {PubColumn::Dimension, "1"}}), ""},
        {"position 2000", pub({{PubColumn::Position, "2000"}}), kPub + "Position must be beetween 0 and 1999"},
        {"position 1999", pub({{PubColumn::Position, "1999"}}), ""},
        {"position -1", pub({{PubColumn::Position, "-1"}}), kPub + "Position must be beetween 0 and 1999"},
        {"no position", pub({{PubColumn::Position, ""}}), kPub + "Position must be beetween 0 and 1999"},
        {"unclosed keyword", pub({{PubColumn::Template, "$VALUE"}}), kPub + "Template not Correct, Check the Keywords"},
        {"two keywords", pub({{PubColumn::Template, "{\"a\":$VALUE$,\"b\":$VALUE$}"}}), ""},
        {"no keyword", pub({{PubColumn::Template, "on"}}), ""},
        {"timer 1000000000", pub({{PubColumn::OnTimer, "Y"}, {PubColumn::Time, "1000000000"}}),
         kPub + "Time(ms) must be between 1 and 1000000000"},
        {"timer 999999999", pub({{PubColumn::OnTimer, "Y"}, {PubColumn::Time, "999999999"}}), ""},
        {"timer 0", pub({{PubColumn::OnTimer, "Y"}, {PubColumn::Time, "0"}}),
         kPub + "Time(ms) must be between 1 and 1000000000"},
        {"timer flag trimmed and upper-cased", pub({{PubColumn::OnTimer, " y "}, {PubColumn::Time, ""}}),
         kPub + "Time(ms) must be between 1 and 1000000000"},
        {"time not examined without the timer", pub({{PubColumn::OnTimer, "N"}, {PubColumn::Time, "never"}}), ""},
        {"hidden columns are not examined",
         pub({{PubColumn::IPAddress, "not an address"}, {PubColumn::InputTemplate, "$"}}), ""},
        {"the first failing step wins",
         pub({{PubColumn::DataType, ""}, {PubColumn::Position, "5000"}, {PubColumn::Template, "$"}}),
         kPub + "Data Type must be selected"},
        {"the row number is the failing row's",
         [](GridModel& publish, GridModel&) {
             putPublish(publish, 1);
             putPublish(publish, 2);
             putPublish(publish, 3, {{PubColumn::Position, "2000"}});
         },
         "Error row 3!! [MQTT Publish] Position must be beetween 0 and 1999"},
        {"a blank topic ends the list",
         [](GridModel& publish, GridModel&) {
             putPublish(publish, 1);
             putPublish(publish, 2, {{PubColumn::Topic, "  "}, {PubColumn::DataType, ""}});
             putPublish(publish, 3, {{PubColumn::DataType, ""}});
         },
         ""},
        {"an IP address is examined where its column is shown",
         [](GridModel& publish, GridModel&) {
             publish.setColumnHidden(PubColumn::IPAddress, false);
             putPublish(publish, 1, {{PubColumn::IPAddress, "192.168.2"}});
         },
         kPub + "IP Address must be a Valid IP Address (Ex. 192.168.2.167)"},
        {"the timer is examined with its columns hidden",
         [](GridModel& publish, GridModel&) {
             publish.setColumnHidden(PubColumn::OnTimer, true);
             publish.setColumnHidden(PubColumn::Time, true);
             putPublish(publish, 1, {{PubColumn::OnTimer, "Y"}, {PubColumn::Time, "0"}});
         },
         kPub + "Time(ms) must be between 1 and 1000000000"},
        {"subscribe rows are examined after the publish rows",
         [](GridModel& publish, GridModel& subscribe) {
             putPublish(publish, 1);
             putSubscribe(subscribe, 1, {{SubColumn::DataType, ""}});
         },
         kSub + "Data Type must be selected"},
        {"a publish failure comes before a subscribe failure",
         [](GridModel& publish, GridModel& subscribe) {
             putPublish(publish, 1, {{PubColumn::Template, "$"}});
             putSubscribe(subscribe, 1, {{SubColumn::DataType, ""}});
         },
         kPub + "Template not Correct, Check the Keywords"},
        {"subscribe position 2000",
         [](GridModel&, GridModel& subscribe) {
             putSubscribe(subscribe, 1, {{SubColumn::Position, "2000"}});
         },
         kSub + "Position must be beetween 0 and 1999"},
        {"subscribe Int 3",
         [](GridModel&, GridModel& subscribe) {
             putSubscribe(subscribe, 1, {{SubColumn::DataType, "INT"}, {SubColumn::Dimension, "3"}});
         },
         kSub + "Dimension must be equal to 1 or 2 or 4 or 8"},
        {"subscribe template",
         [](GridModel&, GridModel& subscribe) {
             putSubscribe(subscribe, 1, {{SubColumn::Template, "$$$"}});
         },
         kSub + "Template not Correct, Check the Keywords"},
        {"subscribe hidden port, address and input template",
         [](GridModel&, GridModel& subscribe) {
             putSubscribe(subscribe, 1,
                          {{SubColumn::Port, "70000"}, {SubColumn::IPAddress, "x"}, {SubColumn::InputTemplate, "$"}});
         },
         ""},
        {"subscribe port where its column is shown",
         [](GridModel&, GridModel& subscribe) {
             subscribe.setColumnHidden(SubColumn::Port, false);
             putSubscribe(subscribe, 1, {{SubColumn::Port, "65536"}});
         },
         kSub + "Port must be between 0 and 65535"},
        {"subscribe input template where its column is shown",
         [](GridModel&, GridModel& subscribe) {
             subscribe.setColumnHidden(SubColumn::InputTemplate, false);
             putSubscribe(subscribe, 1, {{SubColumn::InputTemplate, "$VALUE"}});
         },
         kSub + "Input Template not Correct, Check the Keywords"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(judge(c), c.message) << c.name;
}

TEST(MqttTopicValidation, OddDollarCountIsAnErrorInATemplate)
{
    EXPECT_FALSE(Error_In_Topic_Template(""));
    EXPECT_FALSE(Error_In_Topic_Template("$VALUE$"));
    EXPECT_TRUE(Error_In_Topic_Template("$VALUE"));
    EXPECT_TRUE(Error_In_Topic_Template("$A$ $B"));
    EXPECT_FALSE(Error_In_Topic_Template("$A$ $B$"));
}

TEST(MqttTopicValidation, AFailingSubscribeRowIsToldApartWithItsWayOut)
{
    GridModel publish = makeMqttPublishGrid();
    GridModel subscribe = makeMqttSubscribeGrid();
    const ExtraTexts extra;
    putPublish(publish, 1);
    putSubscribe(subscribe, 1);
    putSubscribe(subscribe, 2, {{SubColumn::Position, "abc"}});
    const MqttOkJudgement hidden = judgeMqttTables(englishTexts(), extra, publish, subscribe, 2000, 2000);
    EXPECT_EQ(hidden.outcome, MqttOkJudgement::Outcome::InvalidHiddenSubscribe);
    EXPECT_EQ(hidden.message, "Error row 2!! [MQTT Subscribe] Position must be beetween 0 and 1999\nThis row is in the "
                              "subscribe list read from the file, which this window does not show. OK saves the file "
                              "without that list.");

    putPublish(publish, 1, {{PubColumn::Dimension, "0"}});
    const MqttOkJudgement shown = judgeMqttTables(englishTexts(), extra, publish, subscribe, 2000, 2000);
    EXPECT_EQ(shown.outcome, MqttOkJudgement::Outcome::Invalid);
    EXPECT_EQ(shown.message, kPub + "Dimension must be equal to 1 or 2 or 4 or 8");

    // The array sizes come from the window: the highest position follows them.
    putPublish(publish, 1, {{PubColumn::Position, "100"}});
    EXPECT_EQ(judgeMqttTables(englishTexts(), extra, publish, subscribe, 100, 2000).message,
              kPub + "Position must be beetween 0 and 99");

    EXPECT_EQ(subscribeDropNotice(extra, 3),
              "The subscribe list read from the file holds rows this window does not show: 3. OK saves the file "
              "without them.");
}

} // namespace
} // namespace birch
