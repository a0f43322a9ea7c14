#include "platform/FileWriter.h"
#include "profiles/EsiFile.h"
#include "profiles/EtherCatSlaveFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

// The ESI step with a full variables table: reading both project files and producing the text.
void BM_Generate_Esi_256_Variables(benchmark::State& state)
{
    std::random_device random;
    const auto project = std::filesystem::temp_directory_path() / ("birch-bench-" + std::to_string(random()));
    std::filesystem::create_directories(project);
    std::vector<birch::EtherCatVariable> rows(birch::kVariableRows);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].Type = i % 3 == 0 ? "Int16" : "Bool";
        rows[i].Length = i % 3 == 0 ? "2" : "1";
        rows[i].Name = "Variable " + std::to_string(i + 1);
    }
    birch::AtomicFileWriter writer;
    if (writer.write(project / "EtherCAT_Slave.xml", birch::etherCatSlaveDocument(rows)))
        state.SkipWithError("the benchmark file cannot be written");
    for (auto _ : state) {
        const birch::EsiOutcome outcome = birch::Generate_Esi(project / "ParGen.xml", project / "EtherCAT_Slave.xml");
        benchmark::DoNotOptimize(outcome.text.data());
        if (outcome.inputs != rows.size())
            state.SkipWithError("not every variable was read");
    }
    std::error_code error;
    std::filesystem::remove_all(project, error);
}
BENCHMARK(BM_Generate_Esi_256_Variables)->Unit(benchmark::kMicrosecond);

} // namespace
