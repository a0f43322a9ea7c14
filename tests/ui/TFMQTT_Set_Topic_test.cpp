#include "UiFixture.h"

#include "profiles/MqttTopicColumns.h"
#include "profiles/TFMQTT_Set_Topic.h"
#include "profiles/TFTopicTemplate.h"
#include "widgets/GridView.h"
#include "widgets/QtText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <string>

using birch::GridView;
using birch::Prompter;
using birch::qs;
namespace PubColumn = birch::PubColumn;

namespace {

const std::string kLevelRow =
    "<row Topic=\"plant/level\" Retained=\"Y\" QoS=\"1\" DataType=\"Int\" Dimension=\"2\" Position=\"0\" "
    "IPAddress=\"10.0.0.7\" InputTemplate=\"\" Template=\"{&quot;level&quot;:$VALUE$}\" OnChange=\"Y\" OnTimer=\"N\" "
    "Time=\"\" Mnemonic=\"Level\"/>";
const std::string kFlowRow =
    "<row Topic=\"plant/flow\" Retained=\"N\" QoS=\"0\" DataType=\"Float\" Dimension=\"4\" Position=\"2\" "
    "IPAddress=\"\" InputTemplate=\"\" Template=\"$VALUE$\" OnChange=\"N\" OnTimer=\"Y\" Time=\"1000\" "
    "Mnemonic=\"Flow\"/>";

std::string topicFile(const std::string& publish, const std::string& subscribe = "")
{
    const std::string list =
        subscribe.empty() ? "<MQTT_Subscribe/>" : "<MQTT_Subscribe>" + subscribe + "</MQTT_Subscribe>";
    return "<MQTT_Set_Topic><MQTT_Publish>" + publish + "</MQTT_Publish>" + list +
           "</MQTT_Set_Topic><!--SW_VERSION = 1.000-->";
}

const std::string kTopicFile = topicFile(kLevelRow + kFlowRow);

} // namespace

class TFMQTT_Set_Topic_test : public QObject {
    Q_OBJECT

private:
    using Window = birch::TFMQTT_Set_Topic;

    // Shows the window through the scripted runner, runs `script` on it, and returns the result.
    static int show(birch::test::UiFixture& f, Window& window, std::function<void(Window&)> script)
    {
        f.runner.then([&window, script](QDialog&) {
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            script(window);
        });
        return f.context.modalRunner.run(window);
    }

    static QModelIndex indexOf(GridView& t, int row, int column) { return t.model()->index(row - 1, column); }
    static QPoint centreOf(GridView& t, int row, int column)
    {
        const QModelIndex index = indexOf(t, row, column);
        t.scrollTo(index);
        return t.visualRect(index).center();
    }
    static void clickCell(GridView& t, int row, int column)
    {
        QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, centreOf(t, row, column));
    }
    // The events of a real double click: the first click, then the double click.
    static void doubleClickCell(GridView& t, int row, int column)
    {
        const QPoint at = centreOf(t, row, column);
        QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(t.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(t.viewport(), Qt::LeftButton, {}, at);
    }

    // Clicks the cell, which opens its drop-down list, and clicks the item `text` in the list.
    static QStringList choose(GridView& t, int row, int column, const QString& text)
    {
        clickCell(t, row, column);
        auto* combo = qobject_cast<QComboBox*>(t.indexWidget(indexOf(t, row, column)));
        if (combo == nullptr)
            return {};
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        const int at = combo->findText(text, Qt::MatchExactly);
        if (at < 0)
            return items;
        QAbstractItemView* list = combo->view();
        const QModelIndex item = list->model()->index(at, 0);
        list->scrollTo(item);
        // The list is as narrow as its column: click inside what it shows of the item.
        const QRect shown = list->visualRect(item).intersected(list->viewport()->rect());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, shown.center());
        return items;
    }

    // Selects a text cell, opens its editor with F2, types `text` over its content and presses Enter.
    static void type(GridView& t, int row, int column, const QString& text)
    {
        clickCell(t, row, column);
        QTest::keyClick(&t, Qt::Key_F2);
        auto* edit = qobject_cast<QLineEdit*>(t.indexWidget(indexOf(t, row, column)));
        QVERIFY(edit != nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    static std::string text(Window& w, int row, int column) { return w.publishTable().grid().text(row, column); }
    static void click(QWidget& w, const char* name)
    {
        auto* button = w.findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY(button != nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }

private Q_SLOTS:
    void layoutTextsAndHints()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        Window w(f.context);
        QCOMPARE(w.windowTitle(), QStringLiteral("Set MQTT Topics"));
        QCOMPARE(w.size(), QSize(1100, 337));
        QAbstractItemModel& model = *w.publishTable().model();
        QCOMPARE(model.rowCount(), 1024);
        QCOMPARE(model.columnCount(), 18);
        QCOMPARE(w.subscribeTable().model()->columnCount(), 15);
        QCOMPARE(indexOf(w.publishTable(), 1024, 0).data().toString(), QStringLiteral("1024"));
        for (int c = 0; c < 18; ++c) {
            const bool hidden = c == 7 || c == 8 || c == 11 || c == 14 || c == 15 || c == 16;
            QCOMPARE(w.publishTable().isColumnHidden(c), hidden);
        }
        for (int c = 0; c < 15; ++c) {
            const bool hidden = c == 2 || c == 7 || c == 8 || c == 9 || c == 10 || c == 12 || c == 13;
            QCOMPARE(w.subscribeTable().isColumnHidden(c), hidden);
        }
        QCOMPARE(w.tabs().tabText(0), QStringLiteral("MQTT Publish"));
        QVERIFY(w.tabs().isTabVisible(0));
        QVERIFY(!w.tabs().isTabVisible(1));
        QCOMPARE(model.headerData(9, Qt::Horizontal).toString(), QStringLiteral("Template"));
        QCOMPARE(model.headerData(17, Qt::Horizontal).toString(), QStringLiteral("Mnemonic"));
        QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
        QCOMPARE(model.headerData(6, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Insert the Index of Internal Data Array"));
        QCOMPARE(model.headerData(13, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Insert then Timer in milliseconds between two Publish"));
        QCOMPARE(model.headerData(17, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Description of MQTT Topic"));
        QCOMPARE(w.subscribeTable().model()->headerData(14, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Description of MQTT Topic"));
        QVERIFY(!indexOf(w.publishTable(), 1, 6).data(Qt::ToolTipRole).isValid());
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("Btn_DelRow"))->toolTip(),
                 QStringLiteral("Delete the Selected Row in the table"));

        // A new language reaches the window through Set_Lang.
        f.state.TextTable.set(1300, "Argomenti MQTT");
        f.state.TextTable.set(1339, "Posizione");
        f.state.TextTable.set(1342, "Indice dell'area dati");
        f.state.TextTable.set(1333, "Pubblica");
        w.Set_Lang();
        QCOMPARE(w.windowTitle(), QStringLiteral("Argomenti MQTT"));
        QCOMPARE(model.headerData(6, Qt::Horizontal).toString(), QStringLiteral("Posizione"));
        QCOMPARE(model.headerData(6, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Indice dell'area dati"));
        QCOMPARE(w.tabs().tabText(0), QStringLiteral("Pubblica"));
        QVERIFY(f.problems().isEmpty());
    }

    void editsAndSavesTheTopics()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        birch::test::writeFixture(f.state.MqttTopicFile, kTopicFile);
        Window w(f.context);
        QStringList qos, types;
        const int result = show(f, w, [&](Window& w) {
            GridView& t = w.publishTable();
            QCOMPARE(w.tabs().currentWidget()->objectName(), QStringLiteral("TS_MQTT_Publish"));
            QCOMPARE(text(w, 1, PubColumn::Template), std::string("{\"level\":$VALUE$}"));
            QCOMPARE(text(w, 1, PubColumn::IPAddress), std::string("10.0.0.7"));
            QCOMPARE(indexOf(t, 1, PubColumn::Retained).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
            QCOMPARE(text(w, 2, PubColumn::Swap), std::string("N"));
            qos = choose(t, 1, PubColumn::QoS, QStringLiteral("2"));
            clickCell(t, 2, PubColumn::Retained);
            type(t, 3, PubColumn::Topic, QStringLiteral("plant/temp"));
            types = choose(t, 3, PubColumn::DataType, QStringLiteral("Float"));
            type(t, 3, PubColumn::Dimension, QStringLiteral("4"));
            type(t, 3, PubColumn::Position, QStringLiteral("6"));
            clickCell(t, 3, PubColumn::OnTimer);
            type(t, 3, PubColumn::Time, QStringLiteral("500"));
            type(t, 3, PubColumn::Mnemonic, QStringLiteral("Temp \u00b0C"));
            click(w, "Btn_OK");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(qos, (QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}));
        QCOMPARE(types, (QStringList{QStringLiteral("Int"), QStringLiteral("Float"), QStringLiteral("String"),
                                     QStringLiteral("Base64")}));
        QCOMPARE(
            birch::test::readAll(f.state.MqttTopicFile),
            topicFile(
                "<row Topic=\"plant/level\" Retained=\"Y\" QoS=\"2\" DataType=\"Int\" Dimension=\"2\" Position=\"0\" "
                "IPAddress=\"10.0.0.7\" InputTemplate=\"\" Template=\"{&quot;level&quot;:$VALUE$}\" OnChange=\"Y\" "
                "OnTimer=\"N\" Time=\"\" Mnemonic=\"Level\"/>"
                "<row Topic=\"plant/flow\" Retained=\"Y\" QoS=\"0\" DataType=\"Float\" Dimension=\"4\" Position=\"2\" "
                "IPAddress=\"\" InputTemplate=\"\" Template=\"$VALUE$\" OnChange=\"N\" OnTimer=\"Y\" Time=\"1000\" "
                "Mnemonic=\"Flow\"/>"
                "<row Topic=\"plant/temp\" Retained=\"\" QoS=\"\" DataType=\"Float\" Dimension=\"4\" Position=\"6\" "
                "IPAddress=\"\" InputTemplate=\"\" Template=\"\" OnChange=\"\" OnTimer=\"Y\" Time=\"500\" "
                "Mnemonic=\"Temp \xc2\xb0"
                "C\"/>"));
        QVERIFY(f.problems().isEmpty());
    }

    void okRefusesAnErrorThenSavesTheFix()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        // The first row has no DataType: it loads with an empty Data Type.
        birch::test::writeFixture(f.state.MqttTopicFile,
                                  topicFile("<row Topic=\"plant/level\" Retained=\"N\" QoS=\"0\" Dimension=\"2\" "
                                            "Position=\"0\" Mnemonic=\"Level\"/>" +
                                            kFlowRow));
        const std::string before = birch::test::readAll(f.state.MqttTopicFile);
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::Ok);
        f.prompter.answer(Prompter::Answer::Ok);
        const int result = show(f, w, [&](Window& w) {
            QCOMPARE(text(w, 1, PubColumn::DataType), std::string());
            click(w, "Btn_OK");
            QVERIFY(w.isVisible());
            choose(w.publishTable(), 1, PubColumn::DataType, QStringLiteral("Int"));
            type(w.publishTable(), 2, PubColumn::Position, QStringLiteral("2000"));
            click(w, "Btn_OK");
            QVERIFY(w.isVisible());
            QCOMPARE(birch::test::readAll(f.state.MqttTopicFile), before);
            type(w.publishTable(), 2, PubColumn::Position, QStringLiteral("1999"));
            click(w, "Btn_OK");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(f.prompter.prompts.size(), 2);
        QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Error);
        QCOMPARE(f.prompter.prompts[0].text, QStringLiteral("Error row 1!! [MQTT Publish] Data Type must be selected"));
        QCOMPARE(f.prompter.prompts[1].text,
                 QStringLiteral("Error row 2!! [MQTT Publish] Position must be beetween 0 and 1999"));
        const std::string saved = birch::test::readAll(f.state.MqttTopicFile);
        QVERIFY(saved.find("DataType=\"Int\" Dimension=\"2\" Position=\"0\"") != std::string::npos);
        QVERIFY(saved.find("Position=\"1999\"") != std::string::npos);
        QVERIFY(f.problems().isEmpty());
    }

    // The user cannot see or mend the subscribe rows, and saving drops them: a failing one asks
    // instead of blocking, and a valid list is dropped only after the user agreed.
    void subscribeRowsAreDroppedOnlyAfterAsking()
    {
        struct Case {
            const char* name;
            std::string subscribe;
            QString question;
        };
        const std::string failing = "<row Topic=\"plant/set\" Retained=\"N\" QoS=\"0\" DataType=\"\" Dimension=\"2\" "
                                    "Position=\"4\" Mnemonic=\"Set\"/>";
        const std::string valid = "<row Topic=\"plant/set\" Retained=\"N\" QoS=\"0\" DataType=\"Int\" Dimension=\"2\" "
                                  "Position=\"4\" Mnemonic=\"Set\"/>";
        const Case cases[] = {
            {"a failing hidden row", valid + failing,
             QStringLiteral("Error row 2!! [MQTT Subscribe] Data Type must be selected\nThis row is in the subscribe "
                            "list read from the file, which this window does not show. OK saves the file without "
                            "that list.\nSave the file without the subscribe list?")},
            {"valid rows", valid + valid + valid,
             QStringLiteral("The subscribe list read from the file holds rows this window does not show: 3. OK saves "
                            "the file without them.\nSave the file without the subscribe list?")},
        };
        for (const Case& c : cases) {
            birch::test::UiFixture f;
            f.openProject("Plant");
            const std::string file = topicFile(kLevelRow + kFlowRow, c.subscribe);
            birch::test::writeFixture(f.state.MqttTopicFile, file);
            Window w(f.context);
            f.prompter.answer(Prompter::Answer::No);
            f.prompter.answer(Prompter::Answer::Yes);
            const int result = show(f, w, [&](Window& w) {
                click(w, "Btn_OK");
                QVERIFY2(w.isVisible(), c.name);
                QCOMPARE(birch::test::readAll(f.state.MqttTopicFile), file);
                click(w, "Btn_OK");
            });
            QCOMPARE(result, int(QDialog::Accepted));
            QCOMPARE(f.prompter.prompts.size(), 2);
            QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Question);
            QCOMPARE(f.prompter.prompts[0].buttons, Prompter::Buttons::YesNo);
            QCOMPARE(f.prompter.prompts[0].text, c.question);
            QCOMPARE(birch::test::readAll(f.state.MqttTopicFile), kTopicFile);
            QVERIFY(f.problems().isEmpty());
        }
    }

    void rowsBeyondTheTableAreReportedAndDroppedOnSave()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        std::string rows;
        for (int i = 1; i <= 1026; ++i)
            rows += "<row Topic=\"t/" + std::to_string(i) +
                    "\" Retained=\"N\" QoS=\"0\" DataType=\"Int\" Dimension=\"1\" Position=\"" +
                    std::to_string(i % 2000) + "\" Template=\"\" OnChange=\"Y\" OnTimer=\"N\" Mnemonic=\"\"/>";
        birch::test::writeFixture(f.state.MqttTopicFile, topicFile(rows));
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::Ok);
        show(f, w, [&](Window& w) {
            QCOMPARE(text(w, 1024, PubColumn::Topic), std::string("t/1024"));
            click(w, "Btn_OK");
        });
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Warning);
        QCOMPARE(f.prompter.prompts[0].text,
                 QStringLiteral("The topic file holds more rows than the 1024 of a table. Rows not loaded: "
                                "MQTT_Publish 2. OK will save the file without them: ") +
                     qs(f.state.MqttTopicFile.string()));
        const std::string saved = birch::test::readAll(f.state.MqttTopicFile);
        QVERIFY(saved.find("Topic=\"t/1024\"") != std::string::npos);
        QCOMPARE(saved.find("Topic=\"t/1025\""), std::string::npos);
        QVERIFY(f.problems().isEmpty());
    }

    void aFileThatDidNotLoadWholeIsKeptBeforeOk()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        const std::string file =
            topicFile(kLevelRow + "<row Topic=\"plant/flow\" Retained=\"N\" QoS=\"0\"/>" + kFlowRow);
        birch::test::writeFixture(f.state.MqttTopicFile, file);
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::Ok);
        const int result = show(f, w, [&](Window& w) {
            QCOMPARE(text(w, 1, PubColumn::Topic), std::string("plant/level"));
            QCOMPARE(text(w, 2, PubColumn::Topic), std::string());
            click(w, "Btn_OK");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Error);
        QVERIFY(f.prompter.prompts[0].text.startsWith(
            QStringLiteral("Loading stopped at row 2 of MQTT_Publish: the row lacks the attribute Mnemonic.")));
        QVERIFY(f.prompter.prompts[0].text.endsWith(qs(f.state.MqttTopicFile.string())));
        QCOMPARE(birch::test::readAll(f.state.ProjectDir / "MQTT_Set_Topic.xml.bak"), file);
        QCOMPARE(birch::test::readAll(f.state.MqttTopicFile), topicFile(kLevelRow));
        QVERIFY(f.problems().isEmpty());
    }

    void rowButtonsWorkOnThePublishTable()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        birch::test::writeFixture(f.state.MqttTopicFile, kTopicFile);
        Window w(f.context);
        // Another window's copy is no copy of this table.
        f.state.CopyBuffer = {"a", "b", "c"};
        f.prompter.answer(Prompter::Answer::Ok);
        f.prompter.answer(Prompter::Answer::No);
        f.prompter.answer(Prompter::Answer::Yes);
        show(f, w, [&](Window& w) {
            GridView& t = w.publishTable();
            clickCell(t, 3, 0);
            click(w, "Btn_PasteRow");
            QCOMPARE(text(w, 3, PubColumn::Topic), std::string());

            clickCell(t, 1, 0);
            click(w, "Btn_CopyRow");
            QVERIFY(w.Do_Copy_Pub());
            QVERIFY(!w.Do_Copy_Sub());
            clickCell(t, 3, 0);
            click(w, "Btn_PasteRow"); // an empty row takes the copy without asking
            QCOMPARE(text(w, 3, PubColumn::Template), std::string("{\"level\":$VALUE$}"));
            QCOMPARE(text(w, 3, PubColumn::Mnemonic), std::string("Level"));
            QCOMPARE(text(w, 3, PubColumn::Retained), std::string("Y"));

            // Insert covers every column, the hidden ones too; nothing is ticked in the new row.
            clickCell(t, 1, 0);
            click(w, "Btn_InsRow");
            for (int c = 1; c < PubColumn::Count; ++c)
                QCOMPARE(text(w, 1, c), std::string());
            QCOMPARE(text(w, 2, PubColumn::IPAddress), std::string("10.0.0.7"));
            QCOMPARE(text(w, 3, PubColumn::Swap), std::string("N"));
            QCOMPARE(text(w, 4, PubColumn::Mnemonic), std::string("Level"));

            clickCell(t, 2, 0);
            click(w, "Btn_DelRow"); // No
            QCOMPARE(text(w, 2, PubColumn::Topic), std::string("plant/level"));
            click(w, "Btn_DelRow"); // Yes
            QCOMPARE(text(w, 2, PubColumn::Topic), std::string("plant/flow"));
            QCOMPARE(text(w, 3, PubColumn::Topic), std::string("plant/level"));
            click(w, "Btn_Cancel");
        });
        QCOMPARE(f.prompter.prompts.size(), 3);
        QCOMPARE(f.prompter.prompts[0].text, QStringLiteral("Error!!! Copy a valid row before Paste it"));
        QCOMPARE(f.prompter.prompts[1].text, QStringLiteral("Are you sure to delete the Row number 2"));
        QCOMPARE(f.prompter.prompts[1].buttons, Prompter::Buttons::YesNo);
        QCOMPARE(birch::test::readAll(f.state.MqttTopicFile), kTopicFile);
        QVERIFY(f.problems().isEmpty());
    }

    void pastingOverAUsedRowAsksFirst()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        birch::test::writeFixture(f.state.MqttTopicFile, kTopicFile);
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::No);
        f.prompter.answer(Prompter::Answer::Yes);
        show(f, w, [&](Window& w) {
            GridView& t = w.publishTable();
            clickCell(t, 2, 0);
            click(w, "Btn_CopyRow");
            clickCell(t, 1, 0);
            click(w, "Btn_PasteRow");
            QCOMPARE(text(w, 1, PubColumn::Topic), std::string("plant/level"));
            click(w, "Btn_PasteRow");
            QCOMPARE(text(w, 1, PubColumn::Topic), std::string("plant/flow"));
            QCOMPARE(text(w, 1, PubColumn::Time), std::string("1000"));
            // Only the shown columns are pasted.
            QCOMPARE(text(w, 1, PubColumn::IPAddress), std::string("10.0.0.7"));
            click(w, "Btn_Cancel");
        });
        QCOMPARE(f.prompter.prompts.size(), 2);
        QCOMPARE(f.prompter.prompts[0].text, QStringLiteral("Row Already used. Do you want to overwrite the values?"));
        QVERIFY(f.problems().isEmpty());
    }

    // A copy in one table clears the other's copied flag: the shared buffer no longer holds its row.
    void copyClearsTheOtherTablesFlag()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        birch::test::writeFixture(
            f.state.MqttTopicFile,
            topicFile(kLevelRow, "<row Topic=\"plant/set\" Retained=\"N\" QoS=\"0\" DataType=\"Int\" Dimension=\"2\" "
                                 "Position=\"4\" Mnemonic=\"Set\"/>"));
        Window w(f.context);
        show(f, w, [&](Window& w) {
            w.tabs().setCurrentWidget(w.tabs().widget(1));
            QCOMPARE(w.tabs().currentIndex(), 1);
            w.subscribeTable().setCurrentCell(1, 1);
            click(w, "Btn_CopyRow");
            QVERIFY(w.Do_Copy_Sub());
            QCOMPARE(f.state.CopyBuffer.front(), std::string("plant/set"));
            w.tabs().setCurrentIndex(0);
            w.publishTable().setCurrentCell(1, 1);
            click(w, "Btn_CopyRow");
            QVERIFY(w.Do_Copy_Pub());
            QVERIFY(!w.Do_Copy_Sub());
            click(w, "Btn_Cancel");
        });
        // Every showing starts with both flags cleared.
        show(f, w, [&](Window& w) {
            QVERIFY(!w.Do_Copy_Pub());
            QVERIFY(!w.Do_Copy_Sub());
            click(w, "Btn_Cancel");
        });
        QVERIFY(f.problems().isEmpty());
    }

    void doubleClickOnATemplateEditsItInTheTemplateDialog()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        birch::test::writeFixture(f.state.MqttTopicFile, kTopicFile);
        Window w(f.context);
        birch::TFTopicTemplate templateWindow(f.context);
        w.setTemplateWindow(templateWindow);
        QString shownText, shownTitle;
        const auto edit = [&](QDialog& dialog) {
            auto& t = static_cast<birch::TFTopicTemplate&>(dialog);
            t.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&t));
            shownText = t.text();
            shownTitle = t.windowTitle();
            QVERIFY(t.TopicTemplate());
            QCOMPARE(t.Pub_Sub(), 0);
            QCOMPARE(t.Working_Mode(), 1);
            QCOMPARE(QApplication::focusWidget(), &t.editor());
            t.editor().selectAll();
            QTest::keyClicks(&t.editor(), QStringLiteral("{\"flow\":$VALUE$}"));
            click(t, "Btn_OK");
        };
        const auto cancel = [&](QDialog& dialog) {
            auto& t = static_cast<birch::TFTopicTemplate&>(dialog);
            QTest::keyClicks(&t.editor(), QStringLiteral("dropped"));
            click(t, "Btn_Cancel");
        };
        const int result = show(f, w, [&](Window& w) {
            GridView& t = w.publishTable();
            f.runner.then(edit);
            doubleClickCell(t, 2, PubColumn::Template);
            QCOMPARE(text(w, 2, PubColumn::Template), std::string("{\"flow\":$VALUE$}"));
            QVERIFY(!t.isEditing());

            f.runner.then(cancel);
            doubleClickCell(t, 2, PubColumn::Template);
            QCOMPARE(text(w, 2, PubColumn::Template), std::string("{\"flow\":$VALUE$}"));

            // Other cells edit in place; the header only sizes its column.
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            doubleClickCell(t, 2, PubColumn::Mnemonic);
            QVERIFY(t.isEditing());
            QTest::keyClick(t.indexWidget(indexOf(t, 2, PubColumn::Mnemonic)), Qt::Key_Escape);
            QVERIFY(!t.isEditing());
            f.state.DoubleClickAutoSize = true;
            t.setColumnWidth(PubColumn::Template, 20);
            QHeaderView* header = t.horizontalHeader();
            QTest::mouseDClick(header->viewport(), Qt::LeftButton, {},
                               QPoint(header->sectionViewportPosition(PubColumn::Template) + 10, header->height() / 2));
            QVERIFY(t.columnWidth(PubColumn::Template) > 20);
            click(w, "Btn_OK");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(shownText, QStringLiteral("$VALUE$"));
        QCOMPARE(shownTitle, QStringLiteral("Set Template"));
        QCOMPARE(f.runner.shown.size(), 3);
        QVERIFY(birch::test::readAll(f.state.MqttTopicFile).find("Template=\"{&quot;flow&quot;:$VALUE$}\"") !=
                std::string::npos);
        QVERIFY(f.problems().isEmpty());
    }

    void templateCellsSuggestTheValueKeyword()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        Window w(f.context);
        show(f, w, [&](Window& w) {
            GridView& t = w.publishTable();
            clickCell(t, 1, PubColumn::Template);
            QTest::keyClick(&t, Qt::Key_F2);
            auto* edit = qobject_cast<QLineEdit*>(t.indexWidget(indexOf(t, 1, PubColumn::Template)));
            QVERIFY(edit != nullptr);
            QCOMPARE(edit->placeholderText(), QStringLiteral("$VALUE$"));
            QVERIFY(edit->completer() != nullptr);
            QCOMPARE(edit->completer()->model()->index(0, 0).data().toString(), QStringLiteral("$VALUE$"));
            QTest::keyClick(edit, Qt::Key_Escape);
            click(w, "Btn_Cancel");
        });
        QVERIFY(f.problems().isEmpty());
    }

    void escapeDropsTheEditsAndEnterStaysInTheTable()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        birch::test::writeFixture(f.state.MqttTopicFile, kTopicFile);
        Window w(f.context);
        const int result = show(f, w, [&](Window& w) {
            GridView& t = w.publishTable();
            type(t, 1, PubColumn::Mnemonic, QStringLiteral("edited"));
            QVERIFY(w.isVisible());
            clickCell(t, 1, PubColumn::Position);
            f.state.JumpFieldOnEnter = true;
            QTest::keyClick(&t, Qt::Key_Return);
            // The hidden columns 7 and 8 are passed over.
            QCOMPARE(t.currentColumn(), int(PubColumn::Template));
            QVERIFY(w.isVisible());
            QTest::keyClick(&t, Qt::Key_Escape);
            QVERIFY(!w.isVisible());
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(birch::test::readAll(f.state.MqttTopicFile), kTopicFile);
        show(f, w, [&](Window& w) {
            QCOMPARE(text(w, 1, PubColumn::Mnemonic), std::string("Level"));
            click(w, "Btn_Cancel");
        });
        QVERIFY(f.prompter.prompts.isEmpty());
        QVERIFY(f.problems().isEmpty());
    }

    void writeFailureKeepsTheWindowOpen()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        birch::test::FailingFileWriter failing("disk full");
        birch::UiContext context{f.state, f.prompter, f.urlOpener, f.runner, failing};
        Window w(context);
        f.prompter.answer(Prompter::Answer::Ok);
        show(f, w, [&](Window& w) {
            click(w, "Btn_OK");
            QVERIFY(w.isVisible());
            click(w, "Btn_Cancel");
        });
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].text, QStringLiteral("The file cannot be written: ") +
                                                 qs(f.state.MqttTopicFile.string()) + QStringLiteral("\ndisk full"));
        QVERIFY(f.problems().isEmpty());
    }
};

QTEST_MAIN(TFMQTT_Set_Topic_test)
#include "TFMQTT_Set_Topic_test.moc"
