#include "FullRuleTable.h"

#include "nmea/Catalog.h"
#include "nmea/RuleFile.h"
#include "nmea/RuleValidation.h"
#include "nmea/SerialChannels.h"
#include "platform/FileWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

namespace {

// What OK in the rule editor costs beyond the window: the file loaded, the 100 rules validated
// and the file written back.
void BM_Rule_File_Load_Validate_Save_100(benchmark::State& state)
{
    std::random_device random;
    const auto folder = std::filesystem::temp_directory_path() / ("birch-bench-" + std::to_string(random()));
    std::filesystem::create_directories(folder);
    const auto file = folder / "NMEA_0183_Set_Access.xml";
    const auto catalog = birch::Catalog::Init_NMEA0183_Map();
    const auto channels = birch::SerialChannel_SL(birch::kAllSerialChannels);
    birch::AtomicFileWriter writer;
    if (!birch::saveRuleFile(file, birch::bench::fullRuleTable(), writer, false).ok())
        state.SkipWithError("the benchmark file cannot be written");
    for (auto _ : state) {
        const birch::RuleFileLoad load = birch::loadRuleFile(file, catalog, channels);
        if (birch::Controllo_dati(catalog, load.rules) || load.rules[99].Sentence != "XDR")
            state.SkipWithError("the 100 benchmark rules did not load as valid");
        if (!birch::saveRuleFile(file, load.rules, writer, false).ok())
            state.SkipWithError("the benchmark file cannot be written");
    }
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}
BENCHMARK(BM_Rule_File_Load_Validate_Save_100)->Unit(benchmark::kMicrosecond);

} // namespace
