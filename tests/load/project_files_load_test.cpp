#include "nmea/Catalog.h"
#include "nmea/RuleFile.h"
#include "nmea/SerialChannels.h"
#include "profiles/EtherCatSlaveFile.h"
#include "profiles/MqttTopicFile.h"

#include "FileFaults.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace birch::test {
namespace {

constexpr int kRounds = 1000;

RuleTable fullRuleTable(const std::vector<std::string>& channels)
{
    RuleTable rules;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        TNMEA0183_Rule& rule = rules[i];
        rule.Serial_Channel = channels[i % channels.size()];
        rule.Sentence = "ZDA";
        rule.DataField = "hour [decimal]";
        rule.SwapAll = i % 3 == 0;
        rule.Position = std::to_string(i * 2);
        rule.Mnemonic = "Rule " + std::to_string(i);
    }
    return rules;
}

std::vector<MqttPublishRow> fullTopicRows()
{
    // The columns the file keeps.
    const int columns[] = {PubColumn::Topic,     PubColumn::Retained, PubColumn::QoS,       PubColumn::DataType,
                           PubColumn::Dimension, PubColumn::Position, PubColumn::IPAddress, PubColumn::InputTemplate,
                           PubColumn::Template,  PubColumn::OnChange, PubColumn::OnTimer,   PubColumn::Time,
                           PubColumn::Mnemonic};
    std::vector<MqttPublishRow> rows(kMqttTopicRows);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (const int column : columns)
            rows[i][static_cast<std::size_t>(column)] = "t" + std::to_string(i) + "/" + std::to_string(column);
    // The file has no swap columns; the table shows them off.
    for (MqttPublishRow& row : rows)
        row[PubColumn::Swap] = row[PubColumn::SwapWord] = "N";
    return rows;
}

std::vector<EtherCatVariable> fullVariables()
{
    std::vector<EtherCatVariable> variables(kVariableRows);
    for (std::size_t i = 0; i < variables.size(); ++i)
        variables[i] = {i % 2 == 0, "INT16",
                        "2",        "Var" + std::to_string(i),
                        "0",        std::to_string(i * 2),
                        "0",        "M" + std::to_string(i)};
    return variables;
}

// A project at its largest, opened, edited and saved again and again as the editors do: after
// every save each file holds exactly the reference bytes of what was saved, so nothing drifts
// or accumulates from one round to the next. The sanitizer build's leak check watches memory.
TEST(ProjectFilesLoad, RepeatedOpenEditSaveKeepsEveryFileExact)
{
    TempDir dir;
    const Catalog catalog = Catalog::Init_NMEA0183_Map();
    const std::vector<std::string> channels = SerialChannel_SL(7);
    const auto rulesFile = dir / "NMEA_0183_Set_Access.xml";
    const auto topicsFile = dir / "MQTT_Set_Topic.xml";
    const auto variablesFile = dir / "EtherCAT_Slave.xml";

    // Two states per file, so that every save changes something.
    RuleTable rules[2] = {fullRuleTable(channels), fullRuleTable(channels)};
    rules[1][57].Mnemonic = "edited";
    std::vector<MqttPublishRow> topics[2] = {fullTopicRows(), fullTopicRows()};
    topics[1][700][PubColumn::Topic] = "edited/topic";
    std::vector<EtherCatVariable> variables[2] = {fullVariables(), fullVariables()};
    variables[1][200].Name = "Edited";
    const std::string reference[3][2] = {{ruleDocument(rules[0]), ruleDocument(rules[1])},
                                         {mqttTopicDocument(topics[0]), mqttTopicDocument(topics[1])},
                                         {etherCatSlaveDocument(variables[0]), etherCatSlaveDocument(variables[1])}};

    // Syncing thousands of times would only make the test slow; the writes are otherwise real.
    FileSystemCalls calls = systemFileSystemCalls();
    calls.fsync = [](int) { return 0; };
    const ScopedFileSystemCalls noSync(calls);
    AtomicFileWriter writer;
    ASSERT_TRUE(saveRuleFile(rulesFile, rules[0], writer, false).ok());
    ASSERT_TRUE(saveMqttTopicFile(topicsFile, topics[0], writer, false).ok());
    ASSERT_TRUE(saveEtherCatSlaveFile(variablesFile, variables[0], writer, false).ok());

    for (int round = 1; round <= kRounds; ++round) {
        const int state = round % 2;
        RuleFileLoad loadedRules = loadRuleFile(rulesFile, catalog, channels);
        MqttTopicLoad loadedTopics = loadMqttTopicFile(topicsFile);
        EtherCatSlaveLoad loadedVariables = loadEtherCatSlaveFile(variablesFile);
        ASSERT_TRUE(loadedRules.rules == rules[1 - state]) << "round " << round;
        ASSERT_TRUE(loadedTopics.publish == topics[1 - state]) << "round " << round;
        ASSERT_EQ(loadedVariables.SlaveToMaster.size(), kVariableRows) << "round " << round;

        loadedRules.rules[57].Mnemonic = rules[state][57].Mnemonic;
        loadedTopics.publish[700][PubColumn::Topic] = topics[state][700][PubColumn::Topic];
        loadedVariables.SlaveToMaster[200].Name = variables[state][200].Name;
        ASSERT_TRUE(saveRuleFile(rulesFile, loadedRules.rules, writer, false).ok());
        ASSERT_TRUE(saveMqttTopicFile(topicsFile, loadedTopics.publish, writer, false).ok());
        ASSERT_TRUE(saveEtherCatSlaveFile(variablesFile, loadedVariables.SlaveToMaster, writer, false).ok());

        ASSERT_EQ(readAll(rulesFile), reference[0][state]) << "round " << round;
        ASSERT_EQ(readAll(topicsFile), reference[1][state]) << "round " << round;
        ASSERT_EQ(readAll(variablesFile), reference[2][state]) << "round " << round;
    }
    EXPECT_EQ(namesIn(dir.path()),
              (std::vector<std::string>{"EtherCAT_Slave.xml", "MQTT_Set_Topic.xml", "NMEA_0183_Set_Access.xml"}));
}

} // namespace
} // namespace birch::test
