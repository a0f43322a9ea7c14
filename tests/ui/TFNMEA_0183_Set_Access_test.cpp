#include "UiFixture.h"

#include "common/TextUtil.h"
#include "nmea/FirstGenGrid.h"
#include "nmea/RuleGrid.h"
#include "nmea/TFNMEA_0183_Set_Access.h"
#include "nmea/TFNMEA_0183_Set_Access2.h"
#include "widgets/GridView.h"
#include "widgets/QtText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <functional>
#include <type_traits>

using birch::Prompter;
using birch::qs;
namespace Column = birch::firstgen::Column;

namespace {

const std::string kListFile =
    "<NMEA_0183><NMEA_Listener>"
    "<row Enable=\"Y\" Sentence=\"GGA\" Index=\"\" Serial_Channel=\"RS232\" Mnemonic=\"Fix\"/>"
    "<row Enable=\"N\" Sentence=\"XDR\" Index=\"3\" Serial_Channel=\"RS485 / RS422\" "
    "Mnemonic=\"Air\"/>"
    "<row Enable=\"Y\" Sentence=\"ZDA\" Index=\"\" Serial_Channel=\"RS485 2\" Mnemonic=\"Time\"/>"
    "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.007-->";

std::string listFile(const std::string& rows)
{
    return "<NMEA_0183><NMEA_Listener>" + rows + "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.007-->";
}

} // namespace

class TFNMEA_0183_Set_Access_test : public QObject {
    Q_OBJECT

private:
    using Window = birch::TFNMEA_0183_Set_Access;

    // Shows `dialog` through the scripted runner, runs `script` on it, and returns the result.
    template <typename Dialog>
    static int show(birch::test::UiFixture& f, Dialog& dialog,
                    std::type_identity_t<std::function<void(Dialog&)>> script)
    {
        f.runner.then([&dialog, script](QDialog&) {
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            script(dialog);
        });
        return f.context.modalRunner.run(dialog);
    }

    template <typename Dialog> static QModelIndex indexOf(Dialog& w, int row, int column)
    {
        return w.table().model()->index(row - 1, column);
    }

    template <typename Dialog> static void clickCell(Dialog& w, int row, int column)
    {
        const QModelIndex index = indexOf(w, row, column);
        w.table().scrollTo(index);
        QTest::mouseClick(w.table().viewport(), Qt::LeftButton, {}, w.table().visualRect(index).center());
    }

    // Clicks the cell, which opens its drop-down list, and clicks the item `text` in the list.
    // Returns the items offered.
    template <typename Dialog> static QStringList choose(Dialog& w, int row, int column, const QString& text)
    {
        clickCell(w, row, column);
        auto* combo = qobject_cast<QComboBox*>(w.table().indexWidget(indexOf(w, row, column)));
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
        // The sorted sentence list is longer than the popup: bring the item well inside it.
        list->scrollTo(item, QAbstractItemView::PositionAtCenter);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
        return items;
    }

    // Selects a text cell, opens its editor with F2, types `text` over its content and presses Enter.
    static void type(Window& w, int row, int column, const QString& text)
    {
        clickCell(w, row, column);
        QTest::keyClick(&w.table(), Qt::Key_F2);
        auto* edit = qobject_cast<QLineEdit*>(w.table().indexWidget(indexOf(w, row, column)));
        QVERIFY(edit != nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    template <typename Dialog> static std::string text(Dialog& w, int row, int column)
    {
        return w.table().grid().text(row, column);
    }
    static bool enabled(Window& w, int row)
    {
        return indexOf(w, row, Column::Enable).data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    }
    static bool indexEditable(Window& w, int row)
    {
        return (indexOf(w, row, Column::Index).flags() & Qt::ItemIsEditable) != 0;
    }
    template <typename Dialog> static void click(Dialog& w, const char* name)
    {
        auto* button = w.template findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY(button != nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void selectRow(Window& w, int row) { clickCell(w, row, 0); }

private Q_SLOTS:
    void layoutTextsAndHints()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        Window w(f.context);
        QCOMPARE(w.windowTitle(), QStringLiteral("Definition of NMEA 0183 Sentences"));
        QCOMPARE(w.size(), QSize(750, 337));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("L_SW_Code"))->text(), QStringLiteral("Birchcfg"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("L_SW_Desc"))->text(),
                 QStringLiteral("Definition of NMEA 0183 Sentences"));
        QCOMPARE(w.table().model()->rowCount(), 100);
        QCOMPARE(w.table().model()->columnCount(), 6);
        const int widths[] = {40, 50, 120, 120, 120, 275};
        const char* headers[] = {"N", "Enable", "Sentence", "Index", "Serial Channel", "Mnemonic"};
        const char* hints[] = {nullptr,
                               "Enable or Disable the Rule for NMEA 0183",
                               "Select the Sentence to convert",
                               "Insert the Index of Sentence, between 1 and 10",
                               "Select the Serial Port used for the Sentence",
                               "Insert a description of NMEA 0183 Sentence"};
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(w.table().columnWidth(c), widths[c]);
            QCOMPARE(w.table().model()->headerData(c, Qt::Horizontal).toString(), QString::fromLatin1(headers[c]));
            const QVariant hint = w.table().model()->headerData(c, Qt::Horizontal, Qt::ToolTipRole);
            if (hints[c] == nullptr)
                QVERIFY(!hint.isValid());
            else
                QCOMPARE(hint.toString(), QString::fromLatin1(hints[c]));
        }
        const char* buttons[][3] = {
            {"Btn_OK", "OK", "Confirm and save the Transmit CAN Frames List"},
            {"Btn_Cancel", "Cancel", "Exit without save the Transmit CAN Frames List"},
            {"Btn_DelRow", "Delete Row", "Delete the selected Row in the table"},
            {"Btn_InsRow", "Insert Row", "Insert a Row in the Table"},
            {"Btn_CopyRow", "Copy Row", "Copy all Fields of the Selected Row"},
            {"Btn_PasteRow", "Paste Row", "Paste the Copied Fields in the Selected Row"},
        };
        for (const auto& b : buttons) {
            auto* button = w.findChild<QPushButton*>(QString::fromLatin1(b[0]));
            QVERIFY(button != nullptr);
            QCOMPARE(button->text(), QString::fromLatin1(b[1]));
            QCOMPARE(button->toolTip(), QString::fromLatin1(b[2]));
        }
        QCOMPARE(indexOf(w, 100, 0).data().toString(), QStringLiteral("100"));
        QVERIFY(enabled(w, 1));
        QVERIFY(!indexEditable(w, 1));
        QVERIFY(f.problems().isEmpty());
    }

    void setLangReappliesEveryFixedText()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        Window w(f.context);
        for (int number = 600; number <= 629; ++number)
            f.state.TextTable.set(number, "T" + std::to_string(number));
        static_cast<birch::LanguageAware&>(w).Set_Lang();
        QCOMPARE(w.windowTitle(), QStringLiteral("T600"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("L_SW_Desc"))->text(), QStringLiteral("T601"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("L_SW_Code"))->text(), QStringLiteral("Birchcfg"));
        const char* buttons[] = {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"};
        for (int i = 0; i < 6; ++i) {
            auto* button = w.findChild<QPushButton*>(QString::fromLatin1(buttons[i]));
            QCOMPARE(button->text(), QStringLiteral("T%1").arg(602 + i));
            QCOMPARE(button->toolTip(), QStringLiteral("T%1").arg(608 + i));
        }
        const int headers[] = {614, 615, 616, 628, 617, 618};
        const int hints[] = {0, 619, 620, 629, 621, 622};
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(w.table().model()->headerData(c, Qt::Horizontal).toString(),
                     QStringLiteral("T%1").arg(headers[c]));
            if (hints[c] != 0)
                QCOMPARE(w.table().model()->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString(),
                         QStringLiteral("T%1").arg(hints[c]));
        }
        QVERIFY(f.problems().isEmpty());
    }

    void editsAreSavedAndLoadBack()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        Window w(f.context);
        QStringList sentences, channels;
        const int result = show(f, w, [&](Window& w) {
            sentences = choose(w, 1, Column::Sentence, QStringLiteral("GGA"));
            channels = choose(w, 1, Column::SerialChannel, QStringLiteral("RS485 2"));
            type(w, 1, Column::Mnemonic, QStringLiteral("Fix <1> & \"more\""));
            choose(w, 2, Column::Sentence, QStringLiteral("XDR"));
            type(w, 2, Column::Index, QStringLiteral("4"));
            choose(w, 2, Column::SerialChannel, QStringLiteral("RS232"));
            clickCell(w, 2, Column::Enable);
            QVERIFY(!enabled(w, 2));
            click(w, "Btn_OK");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(sentences.size(), 41);
        QStringList sorted = sentences;
        std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
            return birch::lessIgnoringAsciiCase(birch::ss(a), birch::ss(b));
        });
        QCOMPARE(sentences, sorted);
        QCOMPARE(sentences.front(), QStringLiteral("$PJELA"));
        QVERIFY(!sentences.contains(QStringLiteral("BWC")));
        QCOMPARE(channels,
                 (QStringList{QStringLiteral("RS232"), QStringLiteral("RS485 / RS422"), QStringLiteral("RS485 2")}));
        const std::string saved =
            listFile("<row Enable=\"Y\" Sentence=\"GGA\" Index=\"\" Serial_Channel=\"RS485 2\" "
                     "Mnemonic=\"Fix &lt;1> &amp; &quot;more&quot;\"/>"
                     "<row Enable=\"N\" Sentence=\"XDR\" Index=\"4\" Serial_Channel=\"RS232\" Mnemonic=\"\"/>");
        QCOMPARE(birch::test::readAll(f.state.NmeaAccessFile), saved);

        show(f, w, [&](Window& w) {
            QCOMPARE(text(w, 1, Column::Mnemonic), std::string("Fix <1> & \"more\""));
            QVERIFY(!enabled(w, 2));
            QCOMPARE(text(w, 2, Column::Index), std::string("4"));
            QVERIFY(indexEditable(w, 2));
            QVERIFY(!indexEditable(w, 1));
            click(w, "Btn_OK");
        });
        QCOMPARE(birch::test::readAll(f.state.NmeaAccessFile), saved);
        QVERIFY(f.problems().isEmpty());
    }

    void loadsWithoutCheckingAndEveryShowingStartsFromTheFile()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        const std::string file =
            listFile("<row Enable=\"Y\" Sentence=\" GGA \" Index=\"9\" Serial_Channel=\"RS485 1\" Mnemonic=\" a \"/>"
                     "<row Enable=\"N\" Sentence=\"XDR\" Index=\" 3 \" Serial_Channel=\"RS485 / RS422\"/>"
                     "<row Enable=\"yes\" Sentence=\"GSV\" Index=\"5\" Serial_Channel=\"COM4\"/>"
                     "<row Sentence=\"$pjela\" Index=\"2\" Serial_Channel=\" rs485 / rs422 \"/>");
        birch::test::writeFixture(f.state.NmeaAccessFile, file);
        Window w(f.context);
        show(f, w, [&](Window& w) {
            QCOMPARE(text(w, 1, Column::Sentence), std::string("GGA"));
            QCOMPARE(text(w, 1, Column::Index), std::string());
            QCOMPARE(text(w, 1, Column::SerialChannel), std::string("RS485 / RS422"));
            QCOMPARE(text(w, 1, Column::Mnemonic), std::string(" a "));
            QVERIFY(enabled(w, 1));
            QCOMPARE(text(w, 2, Column::Index), std::string("3"));
            QCOMPARE(text(w, 2, Column::SerialChannel), std::string("RS485 / RS422"));
            QVERIFY(!enabled(w, 2));
            QCOMPARE(text(w, 3, Column::Enable), std::string("yes"));
            QVERIFY(!enabled(w, 3));
            QCOMPARE(text(w, 3, Column::Index), std::string());
            QCOMPARE(text(w, 3, Column::SerialChannel), std::string("COM4"));
            QCOMPARE(text(w, 4, Column::Enable), std::string("Y"));
            QCOMPARE(text(w, 4, Column::Index), std::string("2"));
            QCOMPARE(text(w, 4, Column::SerialChannel), std::string("RS485 / RS422"));
            const bool editable[] = {false, true, false, true, false};
            for (int row = 1; row <= 5; ++row)
                QCOMPARE(indexEditable(w, row), editable[row - 1]);
            type(w, 1, Column::Mnemonic, QStringLiteral("edited"));
            choose(w, 5, Column::Sentence, QStringLiteral("ZDA"));
            click(w, "Btn_Cancel");
        });
        QCOMPARE(birch::test::readAll(f.state.NmeaAccessFile), file);

        show(f, w, [&](Window& w) {
            QCOMPARE(text(w, 1, Column::Mnemonic), std::string(" a "));
            QCOMPARE(text(w, 5, Column::Sentence), std::string());
            QTest::keyClick(&w.table(), Qt::Key_Escape);
        });
        QCOMPARE(birch::test::readAll(f.state.NmeaAccessFile), file);
        QVERIFY(f.problems().isEmpty());
    }

    void okRefusesAnInvalidList_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* enable, const char* sentence, const char* index, const char* channel) {
            return QStringLiteral("<row Enable=\"%1\" Sentence=\"%2\" Index=\"%3\" Serial_Channel=\"%4\"/>")
                .arg(QString::fromLatin1(enable), QString::fromLatin1(sentence), QString::fromLatin1(index),
                     QString::fromLatin1(channel));
        };
        QTest::newRow("two GGA on RS232")
            << row("Y", "ZDA", "", "RS232") + row("Y", "GGA", "", "RS232") + row("N", "FOO", "", "") +
                   row("Y", "GGA", "", "RS232")
            << QStringLiteral("Error row 2!! Sentence and Serial Channel cannot be equal. See rows 4");
        QTest::newRow("$PJELA index 11") << row("Y", "GGA", "", "RS232") + row("Y", "$PJELA", "11", "RS485 2")
                                         << QStringLiteral("Error row 2!! Index Must be Between 1 and 10");
        QTest::newRow("invalid sentence") << row("Y", "GGA", "", "RS232") + row("Y", "GGAX", "", "RS232")
                                          << QStringLiteral("Error row 2!! Sentence must be valid. Select from List");
        QTest::newRow("invalid channel") << row("Y", "GGA", "", "RS232 2")
                                         << QStringLiteral(
                                                "Error row 1!! Serial Channel must be valid. Select from List");
    }

    void okRefusesAnInvalidList()
    {
        QFETCH(QString, rows);
        QFETCH(QString, message);
        birch::test::UiFixture f;
        f.openProject("Harbour");
        const std::string file = listFile(birch::ss(rows));
        birch::test::writeFixture(f.state.NmeaAccessFile, file);
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::Ok);
        show(f, w, [&](Window& w) {
            click(w, "Btn_OK");
            QVERIFY(w.isVisible());
            click(w, "Btn_Cancel");
        });
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Error);
        QCOMPARE(f.prompter.prompts[0].text, message);
        QCOMPARE(birch::test::readAll(f.state.NmeaAccessFile), file);
        QVERIFY(f.problems().isEmpty());
    }

    void disablingOneOfTwoEqualRulesLetsOkSave()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(
            f.state.NmeaAccessFile,
            listFile("<row Enable=\"Y\" Sentence=\"GGA\" Index=\"\" Serial_Channel=\"RS232\" Mnemonic=\"\"/>"
                     "<row Enable=\"Y\" Sentence=\"GGA\" Index=\"\" Serial_Channel=\"RS232\" Mnemonic=\"\"/>"));
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::Ok);
        const int result = show(f, w, [&](Window& w) {
            click(w, "Btn_OK");
            QVERIFY(w.isVisible());
            clickCell(w, 2, Column::Enable);
            click(w, "Btn_OK");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].text,
                 QStringLiteral("Error row 1!! Sentence and Serial Channel cannot be equal. See rows 2"));
        QVERIFY(birch::test::readAll(f.state.NmeaAccessFile).find("<row Enable=\"N\" Sentence=\"GGA\"") !=
                std::string::npos);
        QVERIFY(f.problems().isEmpty());
    }

    void rowsAfterTheFirstEmptySentenceAreNeitherCheckedNorSaved()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(
            f.state.NmeaAccessFile,
            listFile("<row Enable=\"Y\" Sentence=\"GGA\" Index=\"\" Serial_Channel=\"RS232\" Mnemonic=\"kept\"/>"
                     "<row Enable=\"Y\" Sentence=\" \" Index=\"\" Serial_Channel=\"RS232\" Mnemonic=\"gap\"/>"
                     "<row Enable=\"Y\" Sentence=\"FOO\" Index=\"\" Serial_Channel=\"COM1\" Mnemonic=\"after\"/>"));
        Window w(f.context);
        // Saving without the row below the gap is confirmed first.
        f.prompter.answer(Prompter::Answer::Yes);
        const int result = show(f, w, [&](Window& w) { click(w, "Btn_OK"); });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(
            birch::test::readAll(f.state.NmeaAccessFile),
            listFile("<row Enable=\"Y\" Sentence=\"GGA\" Index=\"\" Serial_Channel=\"RS232\" Mnemonic=\"kept\"/>"));
        QCOMPARE(f.prompter.prompts.size(), 1);
        QVERIFY(f.prompter.prompts[0].text.contains(QStringLiteral("row 2. These rows below it are not empty and will "
                                                                   "not be saved: 3.")));
        QVERIFY(f.problems().isEmpty());
    }

    void choosingASentenceSetsTheIndexEditability()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        Window w(f.context);
        show(f, w, [&](Window& w) {
            choose(w, 1, Column::Sentence, QStringLiteral("XDR"));
            QVERIFY(indexEditable(w, 1));
            type(w, 1, Column::Index, QStringLiteral("5"));
            choose(w, 1, Column::SerialChannel, QStringLiteral("RS232"));
            QVERIFY(indexEditable(w, 1));
            choose(w, 1, Column::Sentence, QStringLiteral("GSV"));
            QVERIFY(!indexEditable(w, 1));
            QCOMPARE(text(w, 1, Column::Index), std::string("5"));
            choose(w, 1, Column::Sentence, QStringLiteral("$PJELA"));
            QVERIFY(indexEditable(w, 1));
            QVERIFY(!indexEditable(w, 2));
            click(w, "Btn_Cancel");
        });
        QVERIFY(f.problems().isEmpty());
    }

    void deleteAsksAndInsertAddsAnEnabledRow()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(f.state.NmeaAccessFile, kListFile);
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::No);
        f.prompter.answer(Prompter::Answer::Yes);
        show(f, w, [&](Window& w) {
            selectRow(w, 1);
            click(w, "Btn_DelRow");
            QCOMPARE(text(w, 1, Column::Sentence), std::string("GGA"));
            click(w, "Btn_DelRow");
            QCOMPARE(text(w, 1, Column::Sentence), std::string("XDR"));
            QCOMPARE(text(w, 2, Column::Sentence), std::string("ZDA"));
            QVERIFY(indexEditable(w, 1));
            QVERIFY(!indexEditable(w, 2));
            QCOMPARE(text(w, 100, Column::Enable), std::string());

            click(w, "Btn_InsRow");
            QCOMPARE(text(w, 1, Column::Enable), std::string("Y"));
            QCOMPARE(text(w, 1, Column::Sentence), std::string());
            QCOMPARE(text(w, 1, Column::Index), std::string());
            QCOMPARE(text(w, 2, Column::Sentence), std::string("XDR"));
            QCOMPARE(text(w, 2, Column::Index), std::string("3"));
            QVERIFY(!indexEditable(w, 1));
            QVERIFY(indexEditable(w, 2));
            click(w, "Btn_Cancel");
        });
        QCOMPARE(f.prompter.prompts.size(), 2);
        for (const auto& prompt : f.prompter.prompts) {
            QCOMPARE(prompt.text, QStringLiteral("Are you sure to delete the Row number 1"));
            QCOMPARE(prompt.kind, Prompter::Kind::Question);
            QCOMPARE(prompt.buttons, Prompter::Buttons::YesNo);
        }
        QVERIFY(f.problems().isEmpty());
    }

    void pasteNeedsACopyInThisWindow()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(f.state.NmeaAccessFile, kListFile);
        birch::TFNMEA_0183_Set_Access2 rules(f.context);
        Window w(f.context);
        show(f, rules, [&](birch::TFNMEA_0183_Set_Access2& r) {
            clickCell(r, 1, 0);
            click(r, "Btn_CopyRow");
            click(r, "Btn_Cancel");
        });
        f.prompter.answer(Prompter::Answer::Ok); // 902: nothing copied in this window yet
        f.prompter.answer(Prompter::Answer::No); // 900: row 1 is in use, keep it
        show(f, w, [&](Window& w) {
            selectRow(w, 5);
            click(w, "Btn_PasteRow");
            QCOMPARE(text(w, 5, Column::Sentence), std::string());

            selectRow(w, 2);
            click(w, "Btn_CopyRow");
            QVERIFY(w.Do_Copy_Listener());
            selectRow(w, 5);
            click(w, "Btn_PasteRow");
            QCOMPARE(text(w, 5, Column::Enable), std::string("N"));
            QCOMPARE(text(w, 5, Column::Sentence), std::string("XDR"));
            QCOMPARE(text(w, 5, Column::Index), std::string("3"));
            QCOMPARE(text(w, 5, Column::SerialChannel), std::string("RS485 / RS422"));
            QCOMPARE(text(w, 5, Column::Mnemonic), std::string("Air"));
            QVERIFY(indexEditable(w, 5));

            selectRow(w, 1);
            click(w, "Btn_PasteRow");
            QCOMPARE(text(w, 1, Column::Sentence), std::string("GGA"));
            QVERIFY(!indexEditable(w, 1));
            click(w, "Btn_Cancel");
        });
        // Each showing starts without a copy of its own, although the buffer still holds this list's row.
        f.prompter.answer(Prompter::Answer::Ok);
        show(f, w, [&](Window& w) {
            QVERIFY(!w.Do_Copy_Listener());
            selectRow(w, 5);
            click(w, "Btn_PasteRow");
            QCOMPARE(text(w, 5, Column::Sentence), std::string());
            click(w, "Btn_Cancel");
        });
        QCOMPARE(f.prompter.prompts.size(), 3);
        QCOMPARE(f.prompter.prompts[0].text, QStringLiteral("Error!!! Copy a valid row before Paste it"));
        QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Error);
        QCOMPARE(f.prompter.prompts[1].text, QStringLiteral("Row Already used. Do you want to overwrite the values?"));
        QCOMPARE(f.prompter.prompts[2].text, QStringLiteral("Error!!! Copy a valid row before Paste it"));
        QVERIFY(f.problems().isEmpty());
    }

    void aForeignCopyDoesNotFit()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(f.state.NmeaAccessFile, kListFile);
        birch::TFNMEA_0183_Set_Access2 rules(f.context);
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::Ok);
        show(f, w, [&](Window& w) {
            selectRow(w, 1);
            click(w, "Btn_CopyRow");
            show(f, rules, [&](birch::TFNMEA_0183_Set_Access2& r) {
                clickCell(r, 1, 0);
                click(r, "Btn_CopyRow");
                click(r, "Btn_Cancel");
            });
            selectRow(w, 5);
            click(w, "Btn_PasteRow");
            QCOMPARE(text(w, 5, Column::Sentence), std::string());
            click(w, "Btn_Cancel");
        });
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].text,
                 QStringLiteral("Error in the Copy values!!! Copy a valid row before Paste it"));
        QVERIFY(f.problems().isEmpty());
    }

    void eachEditorLoadsTheOthersFile()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(f.state.NmeaAccessFile, kListFile);
        Window w(f.context);
        birch::TFNMEA_0183_Set_Access2 rules(f.context);
        namespace RuleColumn = birch::RuleColumn;
        show(f, w, [&](Window& w) {
            type(w, 1, Column::Mnemonic, QStringLiteral("Fix here"));
            click(w, "Btn_OK");
        });
        show(f, rules, [&](birch::TFNMEA_0183_Set_Access2& r) {
            QCOMPARE(text(r, 1, RuleColumn::Sentence), std::string("GGA"));
            QCOMPARE(text(r, 1, RuleColumn::SerialChannel), std::string("RS232"));
            QCOMPARE(text(r, 1, RuleColumn::Mnemonic), std::string("Fix here"));
            QCOMPARE(text(r, 2, RuleColumn::Sentence), std::string("XDR"));
            QCOMPARE(text(r, 2, RuleColumn::Index), std::string("3"));
            QVERIFY(!r.table().grid().checked(2, RuleColumn::Enable));
            for (int row = 1; row <= 3; ++row) {
                QCOMPARE(text(r, row, RuleColumn::DataField), std::string());
                QCOMPARE(text(r, row, RuleColumn::PostOpe), std::string());
                QCOMPARE(text(r, row, RuleColumn::Position), std::string());
            }
            choose(r, 1, RuleColumn::Sentence, QStringLiteral("ZDA"));
            choose(r, 1, RuleColumn::PostOpe, QStringLiteral("None"));
            choose(r, 3, RuleColumn::PostOpe, QStringLiteral("None"));
            choose(r, 3, RuleColumn::DataField, QStringLiteral("year [decimal]"));
            click(r, "Btn_OK");
        });
        QVERIFY(birch::test::readAll(f.state.NmeaAccessFile).find("SW_VERSION = 1.101") != std::string::npos);
        show(f, w, [&](Window& w) {
            QCOMPARE(text(w, 1, Column::Sentence), std::string("ZDA"));
            QCOMPARE(text(w, 1, Column::SerialChannel), std::string("RS232"));
            QCOMPARE(text(w, 1, Column::Mnemonic), std::string("Fix here"));
            QCOMPARE(text(w, 2, Column::Index), std::string("3"));
            QCOMPARE(text(w, 2, Column::Enable), std::string("N"));
            QCOMPARE(text(w, 3, Column::Sentence), std::string("ZDA"));
            QCOMPARE(text(w, 3, Column::SerialChannel), std::string("RS485 2"));
            click(w, "Btn_OK");
        });
        QCOMPARE(
            birch::test::readAll(f.state.NmeaAccessFile),
            listFile("<row Enable=\"Y\" Sentence=\"ZDA\" Index=\"\" Serial_Channel=\"RS232\" Mnemonic=\"Fix here\"/>"
                     "<row Enable=\"N\" Sentence=\"XDR\" Index=\"3\" Serial_Channel=\"RS485 / RS422\" "
                     "Mnemonic=\"Air\"/>"
                     "<row Enable=\"Y\" Sentence=\"ZDA\" Index=\"\" Serial_Channel=\"RS485 2\" Mnemonic=\"Time\"/>"));
        QVERIFY(f.problems().isEmpty());
    }

    void aDamagedFileIsToldOnceAndKeptBeforeOk()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(f.state.NmeaAccessFile, "<NMEA_0183><NMEA_Listener>");
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::Ok);
        const int result = show(f, w, [&](Window& w) {
            QCOMPARE(text(w, 1, Column::Sentence), std::string());
            choose(w, 1, Column::Sentence, QStringLiteral("GGA"));
            choose(w, 1, Column::SerialChannel, QStringLiteral("RS232"));
            click(w, "Btn_OK");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Warning);
        QVERIFY(f.prompter.prompts[0].text.startsWith(QStringLiteral("The file is not valid XML")));
        QVERIFY(f.prompter.prompts[0].text.contains(qs(f.state.NmeaAccessFile.string())));
        QCOMPARE(birch::test::readAll(f.state.ProjectDir / "NMEA_0183_Set_Access.xml.bak"),
                 std::string("<NMEA_0183><NMEA_Listener>"));
        QCOMPARE(birch::test::readAll(f.state.NmeaAccessFile),
                 listFile("<row Enable=\"Y\" Sentence=\"GGA\" Index=\"\" Serial_Channel=\"RS232\" Mnemonic=\"\"/>"));

        // The replaced file is sound: the next showing tells nothing.
        show(f, w, [&](Window& w) { click(w, "Btn_Cancel"); });
        QCOMPARE(f.prompter.prompts.size(), 1);
        QVERIFY(f.problems().isEmpty());
    }

    void aDamagedFileThatCannotBeKeptIsNotReplaced()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        // The longest name a folder entry may have: its backup's name is too long, for every user.
        f.state.NmeaAccessFile = f.state.ProjectDir / std::string(255, 'n');
        birch::test::writeFixture(f.state.NmeaAccessFile, "<broken");
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::Ok);
        f.prompter.answer(Prompter::Answer::Ok);
        show(f, w, [&](Window& w) {
            click(w, "Btn_OK");
            QVERIFY(w.isVisible());
            click(w, "Btn_Cancel");
        });
        QCOMPARE(f.prompter.prompts.size(), 2);
        QCOMPARE(f.prompter.prompts[1].kind, Prompter::Kind::Error);
        QVERIFY(f.prompter.prompts[1].text.startsWith(
            QStringLiteral("The damaged rule file could not be kept as a backup and was not replaced: ") +
            qs(f.state.NmeaAccessFile.string())));
        QCOMPARE(birch::test::readAll(f.state.NmeaAccessFile), std::string("<broken"));
        QVERIFY(f.problems().isEmpty());
    }

    // A rule below an empty row would be lost on OK: the user is asked first, and No goes back
    // to the table at the empty row; Yes saves the rules above it, as before.
    void rulesBelowAnEmptyRowAreNotLostUnasked()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(f.state.NmeaAccessFile, kListFile);
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::No);
        f.prompter.answer(Prompter::Answer::Yes);
        const int result = show(f, w, [&](Window& w) {
            choose(w, 6, Column::Sentence, QStringLiteral("VTG"));
            click(w, "Btn_OK");
            QVERIFY(w.isVisible());
            QCOMPARE(birch::test::readAll(f.state.NmeaAccessFile), kListFile);
            QCOMPARE(w.table().currentRow(), 4);
            QCOMPARE(w.table().currentColumn(), int(Column::Sentence));
            QCOMPARE(w.focusWidget(), &w.table());
            click(w, "Btn_OK");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(f.prompter.prompts.size(), 2);
        for (const auto& prompt : f.prompter.prompts) {
            QCOMPARE(prompt.kind, Prompter::Kind::Question);
            QCOMPARE(prompt.buttons, Prompter::Buttons::YesNo);
            QCOMPARE(prompt.text, QStringLiteral("The rules are saved down to the first row without a sentence, row 4. "
                                                 "These rows below it are not empty and will not be saved: 6. Save "
                                                 "without them?"));
        }
        QCOMPARE(birch::test::readAll(f.state.NmeaAccessFile), kListFile);
        QVERIFY(f.problems().isEmpty());
    }

    // A refused rule puts the focus on the cell to correct, scrolled into view; of two equal
    // rules, on the later one.
    void refusedCellTakesTheFocus()
    {
        const auto row = [](const char* sentence, const std::string& index, const char* channel) {
            return "<row Enable=\"Y\" Sentence=\"" + std::string(sentence) + "\" Index=\"" + index +
                   "\" Serial_Channel=\"" + channel + "\"/>";
        };
        const std::string gga = row("GGA", "", "RS232");
        // Forty different rules: XDR with the ten indexes on each port, then $PJELA.
        std::string many;
        for (const char* sentence : {"XDR", "$PJELA"})
            for (const char* channel : {"RS232", "RS485 2"})
                for (int index = 1; index <= 10; ++index)
                    many += row(sentence, std::to_string(index), channel);
        struct Case {
            const char* label;
            std::string rows;
            int row;
            int column;
        };
        const Case cases[] = {
            {"sentence", gga + row("FOO", "", "RS232"), 2, Column::Sentence},
            {"index", gga + row("XDR", "11", "RS232"), 2, Column::Index},
            {"serial channel", gga + row("ZDA", "", "COM1"), 2, Column::SerialChannel},
            {"the later of two equal rules", gga + row("ZDA", "", "RS232") + gga, 3, Column::Sentence},
            {"far down", many + row("XDR", "7", "RS485 2"), 41, Column::Sentence},
        };
        for (const Case& c : cases) {
            birch::test::UiFixture f;
            f.openProject("Harbour");
            birch::test::writeFixture(f.state.NmeaAccessFile, listFile(c.rows));
            Window w(f.context);
            f.prompter.answer(Prompter::Answer::Ok);
            show(f, w, [&](Window& w) {
                clickCell(w, 1, Column::Mnemonic);
                click(w, "Btn_OK");
                QVERIFY2(w.isVisible(), c.label);
                QCOMPARE(w.table().currentRow(), c.row);
                QCOMPARE(w.table().currentColumn(), c.column);
                QVERIFY2(w.focusWidget() == &w.table(), c.label);
                const QRect cell = w.table().visualRect(indexOf(w, c.row, c.column));
                QVERIFY2(w.table().viewport()->rect().contains(cell), c.label);
                click(w, "Btn_Cancel");
            });
            QCOMPARE(f.prompter.prompts.size(), 1);
            QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Error);
            QCOMPARE(birch::test::readAll(f.state.NmeaAccessFile), listFile(c.rows));
            QVERIFY(f.problems().isEmpty());
        }
    }

    void writeFailureKeepsTheWindowOpen()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
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
                                                 qs(f.state.NmeaAccessFile.string()) + QStringLiteral("\ndisk full"));
        QVERIFY(!std::filesystem::exists(f.state.NmeaAccessFile));
        QVERIFY(f.problems().isEmpty());
    }

    void enterStaysInTheTable()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(f.state.NmeaAccessFile, kListFile);
        Window w(f.context);
        show(f, w, [&](Window& w) {
            clickCell(w, 1, Column::Mnemonic);
            QTest::keyClick(&w.table(), Qt::Key_Return);
            QVERIFY(w.isVisible());
            f.state.JumpFieldOnEnter = true;
            QTest::keyClick(&w.table(), Qt::Key_Return);
            QCOMPARE(w.table().currentRow(), 2);
            QCOMPARE(w.table().currentColumn(), 1);
            click(w, "Btn_Cancel");
        });
        QVERIFY(f.prompter.prompts.isEmpty());
        QCOMPARE(birch::test::readAll(f.state.NmeaAccessFile), kListFile);
        QVERIFY(f.problems().isEmpty());
    }
};

QTEST_MAIN(TFNMEA_0183_Set_Access_test)
#include "TFNMEA_0183_Set_Access_test.moc"
