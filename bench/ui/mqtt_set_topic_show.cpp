#include "MqttTopicList.h"
#include "UiFixture.h"

#include "profiles/MqttTopicFile.h"
#include "profiles/TFMQTT_Set_Topic.h"
#include "widgets/GridView.h"

#include <QApplication>
#include <QEvent>
#include <QObject>

#include <benchmark/benchmark.h>

namespace {

// Counts the paintings of a widget, to prove that the measured showing really painted the table.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(object, event);
    }
    int paints = 0;
};

// What the user waits for after "MQTT Set Topic": the file loaded into the 1024 rows and the
// window painted, then the table scrolled to its last row and painted again.
void BM_TFMQTT_Set_Topic_Load_And_Show_1024(benchmark::State& state)
{
    birch::test::UiFixture f;
    f.openProject("Bench");
    if (f.fileWriter.write(f.state.MqttTopicFile, birch::mqttTopicDocument(birch::bench::fullPublishList())))
        state.SkipWithError("the benchmark file cannot be written");
    birch::TFMQTT_Set_Topic window(f.context);
    birch::GridView& table = window.publishTable();
    PaintCounter counter;
    table.viewport()->installEventFilter(&counter);
    for (auto _ : state) {
        window.show();
        QApplication::processEvents();
        table.setCurrentCell(birch::kMqttTopicRows, birch::PubColumn::Mnemonic);
        QApplication::processEvents();
        state.PauseTiming();
        window.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (counter.paints < 2 * static_cast<int>(state.iterations()) || !f.prompter.prompts.isEmpty() ||
        table.grid().text(birch::kMqttTopicRows, birch::PubColumn::Mnemonic) != "Sensor 1023")
        state.SkipWithError("the window did not load and paint the 1024 topics without a message");
    state.counters["paints"] = counter.paints;
}
BENCHMARK(BM_TFMQTT_Set_Topic_Load_And_Show_1024)->Unit(benchmark::kMillisecond);

} // namespace
