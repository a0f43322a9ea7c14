#include "lang/TextList.h"
#include "platform/FileWriter.h"
#include "profiles/EtherCatSlaveFile.h"
#include "profiles/TFEtherCATSlave.h"
#include "widgets/GridView.h"
#include "widgets/ModalRunner.h"
#include "widgets/Prompter.h"
#include "widgets/UiContext.h"
#include "widgets/UrlOpener.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

// A full table as the window writes it: all 256 rows, every type, some of them disabled.
std::vector<birch::EtherCatVariable> fullTable()
{
    const char* types[] = {"Bool", "Bool", "Int16", "Bool", "Float32", "String", "UInt8", "Int32"};
    std::vector<birch::EtherCatVariable> rows;
    for (std::size_t i = 0; i < birch::kVariableRows; ++i) {
        birch::EtherCatVariable row;
        row.Enable = i % 7 != 3;
        row.Type = types[i % 8];
        row.Length = row.Type == "String" ? "6" : "1";
        row.Name = "Variable " + std::to_string(i + 1);
        row.Mnemonic = "Description of variable " + std::to_string(i + 1);
        rows.push_back(row);
    }
    return rows;
}

// Opening the step with a full table: reading the file, filling and placing both tables and
// painting the window must stay far below what a user would notice.
void BM_TFEtherCATSlave_Show_256_Rows(benchmark::State& state)
{
    std::random_device random;
    const auto project = std::filesystem::temp_directory_path() / ("birch-bench-" + std::to_string(random()));
    std::filesystem::create_directories(project);
    birch::AtomicFileWriter writer;
    birch::AppState appState;
    birch::Load_Default_Texts(appState.TextTable);
    appState.ProjectDir = project;
    appState.EtherCatSlaveFile = project / "EtherCAT_Slave.xml";
    if (writer.write(appState.EtherCatSlaveFile, birch::etherCatSlaveDocument(fullTable())))
        state.SkipWithError("the benchmark file cannot be written");
    birch::QtPrompter prompter(appState.Extra);
    birch::DesktopUrlOpener urlOpener;
    birch::ExecModalRunner modalRunner;
    birch::UiContext context{appState, prompter, urlOpener, modalRunner, writer};
    birch::TFEtherCATSlave window(context);

    for (auto _ : state) {
        window.show();
        QApplication::processEvents();
        if (window.slaveToMaster().grid().text(256, 6).empty())
            state.SkipWithError("the table was not placed");
        window.hide();
        QApplication::processEvents();
    }
    std::error_code error;
    std::filesystem::remove_all(project, error);
}
BENCHMARK(BM_TFEtherCATSlave_Show_256_Rows)->Unit(benchmark::kMillisecond);

} // namespace
