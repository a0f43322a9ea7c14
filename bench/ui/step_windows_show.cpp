#include "FullRuleTable.h"
#include "UiFixture.h"

#include "FakeComPortLister.h"
#include "FakeEcho.h"

#include "app/TFWindows.h"
#include "nmea/RuleFile.h"
#include "nmea/RuleGrid.h"
#include "nmea/TFNMEA_0183_Set_Access2.h"
#include "options/TFSoftOptions.h"
#include "params/ParGenFile.h"
#include "params/TFParGen.h"
#include "platform/ChildReaper.h"
#include "platform/ProgramLauncher.h"
#include "widgets/GridView.h"

#include <QApplication>
#include <QDialog>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A project with default communication parameters and a full rule table.
void writeProject(birch::test::UiFixture& f, benchmark::State& state)
{
    f.openProject("Bench");
    if (birch::SaveParGen(f.state.ParGenFile, birch::TParGen{}, f.fileWriter) ||
        !birch::saveRuleFile(f.state.NmeaAccessFile, birch::bench::fullRuleTable(), f.fileWriter, false).ok())
        state.SkipWithError("the benchmark project cannot be written");
}

// One showing as a step opens it: the window's own loading on show, then its first paint.
void showOnce(QDialog& window)
{
    window.show();
    QApplication::processEvents();
    window.hide();
    QApplication::processEvents();
}

// All that start-up builds, in a process whose fonts and style are already loaded: the thirteen
// windows in their order and the main window shown (the program paints the main window before it
// creates the twelve others).
void BM_Start_Windows_And_Show_Main(benchmark::State& state)
{
    birch::test::UiFixture f;
    birch::ChildReaper reaper;
    birch::SystemProgramLauncher launcher(reaper);
    birch::test::VirtualClock clock;
    birch::test::FakeEchoTransport echo{clock};
    birch::test::FakeComPortLister comPorts;
    for (auto _ : state) {
        birch::MainWindowServices mainServices(launcher);
        auto windows = std::make_unique<birch::TFWindows>(
            f.context, birch::WindowServices{mainServices, {echo, clock}, comPorts, {2026, 3, 5}},
            birch::StartFolders{f.dir.path(), {}});
        windows->mainWindow().show();
        QApplication::processEvents();
        state.PauseTiming();
        windows.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Start_Windows_And_Show_Main)->Unit(benchmark::kMillisecond);

void BM_TFNMEA_0183_Set_Access2_Show_100_Rules(benchmark::State& state)
{
    birch::test::UiFixture f;
    writeProject(f, state);
    birch::TFNMEA_0183_Set_Access2 window(f.context);
    for (auto _ : state)
        showOnce(window);
    if (window.table().grid().text(100, birch::RuleColumn::Sentence) != "XDR" || !f.prompter.prompts.isEmpty())
        state.SkipWithError("the rule editor did not load the 100 rules without a message");
}
BENCHMARK(BM_TFNMEA_0183_Set_Access2_Show_100_Rules)->Unit(benchmark::kMillisecond);

void BM_TFParGen_Show(benchmark::State& state)
{
    birch::test::UiFixture f;
    writeProject(f, state);
    birch::TFParGen window(f.context);
    for (auto _ : state)
        showOnce(window);
    if (!f.prompter.prompts.isEmpty())
        state.SkipWithError("the parameter window showed a message");
}
BENCHMARK(BM_TFParGen_Show)->Unit(benchmark::kMillisecond);

void BM_TFSoftOptions_Show(benchmark::State& state)
{
    birch::test::UiFixture f;
    birch::TFSoftOptions window(
        f.context, [] {}, [] { return false; });
    for (auto _ : state)
        showOnce(window);
    if (!f.prompter.prompts.isEmpty())
        state.SkipWithError("the options dialog showed a message");
}
BENCHMARK(BM_TFSoftOptions_Show)->Unit(benchmark::kMillisecond);

} // namespace
