#include "MqttTopicList.h"

#include "platform/FileWriter.h"
#include "profiles/MqttTopicFile.h"
#include "profiles/MqttTopicGrid.h"
#include "profiles/MqttTopicValidation.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

namespace {

// Runs on every showing of the topic window and on every OK: far below what a user would notice.
void BM_MqttTopics_Load_And_Validate_1024(benchmark::State& state)
{
    std::random_device random;
    const auto dir = std::filesystem::temp_directory_path() / ("birch-bench-" + std::to_string(random()));
    std::filesystem::create_directories(dir);
    const auto file = dir / "MQTT_Set_Topic.xml";
    birch::AtomicFileWriter writer;
    if (writer.write(file, birch::mqttTopicDocument(birch::bench::fullPublishList())))
        state.SkipWithError("the benchmark file cannot be written");
    birch::GridModel publish = birch::makeMqttPublishGrid();
    birch::GridModel subscribe = birch::makeMqttSubscribeGrid();
    for (auto _ : state) {
        birch::Reset_Mqtt_Publish_Grid(publish);
        birch::Reset_Mqtt_Subscribe_Grid(subscribe);
        const birch::MqttTopicLoad load = birch::loadMqttTopicFile(file);
        birch::fillMqttGrids(publish, subscribe, load);
        const auto failure = birch::Controllo_dati(publish, subscribe, birch::kMqttByteIn, birch::kMqttByteOut);
        if (load.publish.size() != 1024 || failure)
            state.SkipWithError("the benchmark file did not load as 1024 valid topics");
    }
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}
BENCHMARK(BM_MqttTopics_Load_And_Validate_1024)->Unit(benchmark::kMillisecond);

} // namespace
