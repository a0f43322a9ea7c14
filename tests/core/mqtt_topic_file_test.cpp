#include "FailingFileWriter.h"
#include "TempDir.h"

#include "lang/ExtraTexts.h"
#include "profiles/MqttTopicFile.h"
#include "profiles/MqttTopicGrid.h"
#include "profiles/MqttTopicMessages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace birch {
namespace {

const std::filesystem::path kFixtures = std::filesystem::path(BIRCH_FIXTURES_DIR) / "mqtt";

MqttPublishRow publishRow(const std::string& topic, const std::string& mnemonic)
{
    MqttPublishRow row;
    row[PubColumn::Topic] = topic;
    row[PubColumn::Retained] = "N";
    row[PubColumn::QoS] = "0";
    row[PubColumn::DataType] = "Int";
    row[PubColumn::Dimension] = "2";
    row[PubColumn::Position] = "0";
    row[PubColumn::OnChange] = "Y";
    row[PubColumn::OnTimer] = "N";
    row[PubColumn::Mnemonic] = mnemonic;
    return row;
}

// The rows as a reader gives them back: the columns the file does not hold take their start values.
MqttPublishRow asLoaded(MqttPublishRow row)
{
    row[PubColumn::OnCMD] = "";
    row[PubColumn::Channel] = "";
    row[PubColumn::Swap] = "N";
    row[PubColumn::SwapWord] = "N";
    return row;
}

std::string rowsOf(int count)
{
    std::string rows;
    for (int i = 1; i <= count; ++i)
        rows += "<row Topic=\"t" + std::to_string(i) + "\" Retained=\"N\" QoS=\"0\" Mnemonic=\"m\"/>";
    return rows;
}

TEST(MqttTopicFile, WritesTheDocumentedForm)
{
    EXPECT_EQ(mqttTopicDocument({}),
              "<MQTT_Set_Topic><MQTT_Publish/><MQTT_Subscribe/></MQTT_Set_Topic><!--SW_VERSION = 1.000-->");

    MqttPublishRow row = publishRow(" plant/level ", "Level & \"tank\"");
    row[PubColumn::IPAddress] = "10.0.0.7";
    row[PubColumn::InputTemplate] = "in";
    row[PubColumn::Template] = "{\"v\":$VALUE$}";
    row[PubColumn::Time] = " 100";
    // Columns the file has no attribute for are not written.
    row[PubColumn::OnCMD] = "Y";
    row[PubColumn::Channel] = "All";
    row[PubColumn::Swap] = "Y";
    EXPECT_EQ(mqttTopicDocument({row}),
              "<MQTT_Set_Topic><MQTT_Publish>"
              "<row Topic=\" plant/level \" Retained=\"N\" QoS=\"0\" DataType=\"Int\" Dimension=\"2\" Position=\"0\" "
              "IPAddress=\"10.0.0.7\" InputTemplate=\"in\" Template=\"{&quot;v&quot;:$VALUE$}\" OnChange=\"Y\" "
              "OnTimer=\"N\" Time=\" 100\" Mnemonic=\"Level &amp; &quot;tank&quot;\"/>"
              "</MQTT_Publish><MQTT_Subscribe/></MQTT_Set_Topic><!--SW_VERSION = 1.000-->");
}

TEST(MqttTopicFile, SavedRowsLoadBackExactly)
{
    test::TempDir dir;
    const auto file = dir / "MQTT_Set_Topic.xml";
    MqttPublishRow first = publishRow("a/b", " padded ");
    first[PubColumn::Template] = "{\n  \"v\": $VALUE$\n}";
    first[PubColumn::IPAddress] = " 192.168.2.1";
    MqttPublishRow second = publishRow("caf\u00e9/<x>", "");
    second[PubColumn::OnTimer] = "Y";
    second[PubColumn::Time] = "250";
    AtomicFileWriter writer;
    ASSERT_TRUE(saveMqttTopicFile(file, {first, second}, writer, false).ok());

    const MqttTopicLoad load = loadMqttTopicFile(file);
    EXPECT_EQ(load.status, MqttTopicLoad::Status::Ok);
    EXPECT_EQ(load.publish, (std::vector<MqttPublishRow>{asLoaded(first), asLoaded(second)}));
    EXPECT_TRUE(load.subscribe.empty());
    EXPECT_EQ(mqttLoadMessage(ExtraTexts(), load, file, true), std::nullopt);
}

TEST(MqttTopicFile, MissingOptionalAttributesTakeTheirDefaults)
{
    test::TempDir dir;
    const auto file = dir / "MQTT_Set_Topic.xml";
    test::writeFixture(file, "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"t\" Retained=\"Y\" QoS=\"2\" Mnemonic=\"m\"/>"
                             "</MQTT_Publish><MQTT_Subscribe><row Topic=\"s\" Retained=\"\" QoS=\"1\" Mnemonic=\"\"/>"
                             "</MQTT_Subscribe></MQTT_Set_Topic>");
    const MqttTopicLoad load = loadMqttTopicFile(file);
    ASSERT_EQ(load.status, MqttTopicLoad::Status::Ok);
    ASSERT_EQ(load.publish.size(), 1u);
    MqttPublishRow expected{};
    expected[PubColumn::Topic] = "t";
    expected[PubColumn::Retained] = "Y";
    expected[PubColumn::QoS] = "2";
    expected[PubColumn::OnChange] = "N";
    expected[PubColumn::OnTimer] = "N";
    expected[PubColumn::Swap] = "N";
    expected[PubColumn::SwapWord] = "N";
    expected[PubColumn::Mnemonic] = "m";
    EXPECT_EQ(load.publish[0], expected);
    ASSERT_EQ(load.subscribe.size(), 1u);
    MqttSubscribeRow subscribed{};
    subscribed[SubColumn::Topic] = "s";
    subscribed[SubColumn::QoS] = "1";
    subscribed[SubColumn::Swap] = "N";
    subscribed[SubColumn::SwapWord] = "N";
    EXPECT_EQ(load.subscribe[0], subscribed);
}

TEST(MqttTopicFile, ARowWithoutARequiredAttributeEndsTheLoadThere)
{
    test::TempDir dir;
    const auto file = dir / "MQTT_Set_Topic.xml";
    const std::string good = "<row Topic=\"t\" Retained=\"N\" QoS=\"0\" Mnemonic=\"m\"/>";
    struct Case {
        std::string publish;
        std::string subscribe;
        MqttList list;
        std::size_t row;
        std::string attribute;
        std::size_t publishLoaded;
    };
    const Case cases[] = {
        {good + "<row Retained=\"N\" QoS=\"0\" Mnemonic=\"m\"/>" + good, good, MqttList::Publish, 2, "Topic", 1},
        {"<row Topic=\"t\" QoS=\"0\" Mnemonic=\"m\"/>", good, MqttList::Publish, 1, "Retained", 0},
        {good + good + "<row Topic=\"t\" Retained=\"N\" Mnemonic=\"m\"/>", "", MqttList::Publish, 3, "QoS", 2},
        {good + "<row Topic=\"t\" Retained=\"N\" QoS=\"0\"/>", good, MqttList::Publish, 2, "Mnemonic", 1},
        {good, good + good + "<row Topic=\"t\" Retained=\"N\" QoS=\"0\" mnemonic=\"m\"/>", MqttList::Subscribe, 3,
         "Mnemonic", 1},
        {good, "text between rows", MqttList::Subscribe, 1, "Topic", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.publish + " | " + c.subscribe);
        test::writeFixture(file, "<MQTT_Set_Topic><MQTT_Publish>" + c.publish + "</MQTT_Publish><MQTT_Subscribe>" +
                                     c.subscribe + "</MQTT_Subscribe></MQTT_Set_Topic>");
        const MqttTopicLoad load = loadMqttTopicFile(file);
        EXPECT_EQ(load.status, MqttTopicLoad::Status::Incomplete);
        EXPECT_TRUE(load.damaged());
        EXPECT_EQ(load.stoppedIn, c.list);
        EXPECT_EQ(load.stoppedAtRow, c.row);
        EXPECT_EQ(load.missingAttribute, c.attribute);
        EXPECT_EQ(load.publish.size(), c.publishLoaded);
        EXPECT_EQ(load.subscribe.size(), c.list == MqttList::Subscribe ? c.row - 1 : 0u);
        EXPECT_EQ(mqttLoadMessage(ExtraTexts(), load, file, true),
                  "Loading stopped at row " + std::to_string(c.row) + " of " + mqttListElement(c.list) +
                      ": the row lacks the attribute " + c.attribute +
                      ". The tables hold only what stands before that point; OK keeps the file as a backup and "
                      "saves the tables without the rest: " +
                      file.string());
    }
}

TEST(MqttTopicFile, ACommentInAListIsARowWithoutAttributes)
{
    const MqttTopicLoad load = loadMqttTopicFile(kFixtures / "comment_child.xml");
    EXPECT_EQ(load.status, MqttTopicLoad::Status::Incomplete);
    EXPECT_EQ(load.stoppedIn, MqttList::Publish);
    EXPECT_EQ(load.stoppedAtRow, 2u);
    EXPECT_EQ(load.missingAttribute, "Topic");
    ASSERT_EQ(load.publish.size(), 1u);
    EXPECT_EQ(load.publish[0][PubColumn::Mnemonic], "Level");
}

TEST(MqttTopicFile, AMissingListElementEndsTheLoad)
{
    test::TempDir dir;
    test::writeFixture(dir / "comment_first.xml",
                       "<!--x--><MQTT_Set_Topic><MQTT_Publish>" + rowsOf(1) + "</MQTT_Publish></MQTT_Set_Topic>");
    struct Case {
        std::filesystem::path file;
        MqttList list;
        std::size_t publishLoaded;
    };
    const Case cases[] = {
        {kFixtures / "no_subscribe.xml", MqttList::Subscribe, 1},
        // The first node is the root, whatever it is.
        {dir / "comment_first.xml", MqttList::Publish, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.string());
        const MqttTopicLoad load = loadMqttTopicFile(c.file);
        EXPECT_EQ(load.status, MqttTopicLoad::Status::Incomplete);
        EXPECT_EQ(load.stoppedIn, c.list);
        EXPECT_EQ(load.stoppedAtRow, 0u);
        EXPECT_EQ(load.publish.size(), c.publishLoaded);
        const auto message = mqttLoadMessage(ExtraTexts(), load, c.file, true);
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->rfind(std::string("Loading stopped: the topic file has no element ") +
                                     mqttListElement(c.list) + ". The tables hold only",
                                 0),
                  0u)
            << *message;
        EXPECT_NE(message->find(c.file.string()), std::string::npos);
    }
}

TEST(MqttTopicFile, MoreRowsThanATableLoadTheFirstAndSaySo)
{
    test::TempDir dir;
    const auto file = dir / "MQTT_Set_Topic.xml";
    test::writeFixture(file, "<MQTT_Set_Topic><MQTT_Publish>" + rowsOf(1027) + "</MQTT_Publish><MQTT_Subscribe>" +
                                 rowsOf(1025) + "</MQTT_Subscribe></MQTT_Set_Topic>");
    const MqttTopicLoad load = loadMqttTopicFile(file);
    EXPECT_EQ(load.status, MqttTopicLoad::Status::Ok);
    EXPECT_FALSE(load.damaged());
    ASSERT_EQ(load.publish.size(), 1024u);
    EXPECT_EQ(load.publish.back()[PubColumn::Topic], "t1024");
    EXPECT_EQ(load.publishNotLoaded, 3u);
    EXPECT_EQ(load.subscribe.size(), 1024u);
    EXPECT_EQ(load.subscribeNotLoaded, 1u);
    EXPECT_EQ(load.subscribeRowsInFile(), 1025u);
    EXPECT_EQ(mqttLoadMessage(ExtraTexts(), load, file, true),
              "The topic file holds more rows than the 1024 of a table. Rows not loaded: MQTT_Publish 3, "
              "MQTT_Subscribe 1. OK will save the file without them: " +
                  file.string());

    // The rows beyond the table are not read, so they cannot stop the load.
    test::writeFixture(file, "<MQTT_Set_Topic><MQTT_Publish>" + rowsOf(1024) +
                                 "<!--beyond--></MQTT_Publish><MQTT_Subscribe/></MQTT_Set_Topic>");
    const MqttTopicLoad full = loadMqttTopicFile(file);
    EXPECT_EQ(full.status, MqttTopicLoad::Status::Ok);
    EXPECT_EQ(full.publishNotLoaded, 1u);
}

TEST(MqttTopicFile, UnusableFilesAreReportedAndLoadNothing)
{
    test::TempDir dir;
    std::filesystem::create_directories(dir / "folder.xml");
    struct Case {
        std::filesystem::path file;
        MqttTopicLoad::Status status;
        std::string messageStart;
    };
    const Case cases[] = {
        {kFixtures / "malformed.xml", MqttTopicLoad::Status::Malformed, "The file is damaged and was not loaded: "},
        {dir / "folder.xml", MqttTopicLoad::Status::Unreadable, "The file cannot be read: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.string());
        const MqttTopicLoad load = loadMqttTopicFile(c.file);
        EXPECT_EQ(load.status, c.status);
        EXPECT_TRUE(load.damaged());
        EXPECT_TRUE(load.publish.empty());
        const auto message = mqttLoadMessage(ExtraTexts(), load, c.file, true);
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->rfind(c.messageStart + c.file.string(), 0), 0u) << *message;
        EXPECT_NE(
            message->find("\nThe damaged file will be kept as a backup before it is replaced: " + c.file.string()),
            std::string::npos);
    }
    const MqttTopicLoad missing = loadMqttTopicFile(dir / "none.xml");
    EXPECT_EQ(missing.status, MqttTopicLoad::Status::Missing);
    EXPECT_FALSE(missing.damaged());
    EXPECT_EQ(mqttLoadMessage(ExtraTexts(), missing, dir / "none.xml", true), std::nullopt);
}

TEST(MqttTopicFile, SavingKeepsHiddenValuesAndDropsTheSubscribeList)
{
    test::TempDir dir;
    const auto file = dir / "MQTT_Set_Topic.xml";
    test::writeFixture(file, test::readAll(kFixtures / "other_tool.xml"));
    const MqttTopicLoad load = loadMqttTopicFile(file);
    ASSERT_EQ(load.status, MqttTopicLoad::Status::Ok);
    EXPECT_EQ(load.subscribe.at(0)[SubColumn::Port], "502");
    EXPECT_EQ(load.subscribe.at(0)[SubColumn::EthType], "TCP");

    GridModel publish = makeMqttPublishGrid();
    GridModel subscribe = makeMqttSubscribeGrid();
    fillMqttGrids(publish, subscribe, load);
    AtomicFileWriter writer;
    ASSERT_TRUE(saveMqttTopicFile(file, publishRowsInUse(publish), writer, false).ok());
    EXPECT_EQ(test::readAll(file),
              "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"plant/level\" Retained=\"Y\" QoS=\"1\" DataType=\"Int\" "
              "Dimension=\"2\" Position=\"0\" IPAddress=\"10.0.0.7\" InputTemplate=\"{&quot;in&quot;:$VALUE$}\" "
              "Template=\"{&quot;level&quot;:$VALUE$}\" OnChange=\"Y\" OnTimer=\"N\" Time=\"\" Mnemonic=\"Level\"/>"
              "</MQTT_Publish><MQTT_Subscribe/></MQTT_Set_Topic><!--SW_VERSION = 1.000-->");
}

TEST(MqttTopicFile, ADamagedFileIsKeptBeforeItIsReplaced)
{
    test::TempDir dir;
    const auto file = dir / "MQTT_Set_Topic.xml";
    test::writeFixture(file, "<MQTT_Set_Topic><broken");
    test::writeFixture(dir / "MQTT_Set_Topic.xml.bak", "older backup");
    AtomicFileWriter writer;
    ASSERT_TRUE(saveMqttTopicFile(file, {publishRow("t", "m")}, writer, true).ok());
    EXPECT_EQ(test::readAll(dir / "MQTT_Set_Topic.xml.bak"), "older backup");
    EXPECT_EQ(test::readAll(dir / "MQTT_Set_Topic.xml.bak.1"), "<MQTT_Set_Topic><broken");
    EXPECT_EQ(test::readAll(file), mqttTopicDocument({publishRow("t", "m")}));
}

TEST(MqttTopicFile, AFailedWriteIsReportedWithTheFile)
{
    test::TempDir dir;
    const auto file = dir / "MQTT_Set_Topic.xml";
    test::FailingFileWriter writer("disk full");
    const MqttTopicSave save = saveMqttTopicFile(file, {}, writer, false);
    EXPECT_EQ(save.status, MqttTopicSave::Status::WriteFailed);
    EXPECT_EQ(writer.attempts, std::vector<std::filesystem::path>{file});
    EXPECT_EQ(mqttSaveMessage(ExtraTexts(), save, file),
              "The file cannot be written: " + file.string() + "\ndisk full");
}

} // namespace
} // namespace birch
