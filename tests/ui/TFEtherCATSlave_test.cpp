#include "EtherCatTestData.h"
#include "UiFixture.h"

#include "profiles/TFEtherCATSlave.h"
#include "widgets/GridView.h"
#include "widgets/QtText.h"

#include <QAbstractItemView>
#include <QColor>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <functional>

using birch::Prompter;
using birch::qs;
using birch::test::variableRow;
using birch::test::variablesXml;

namespace {

constexpr int kEnable = 1;
constexpr int kType = 2;
constexpr int kLength = 3;
constexpr int kName = 4;
constexpr int kPosition = 6;
constexpr int kBitStart = 7;

std::string row(const char* enable, const char* type, const char* length, const char* name, const char* position = "99")
{
    return variableRow("Enable=\"" + std::string(enable) + "\" Type=\"" + type + "\" Length=\"" + length +
                       "\" Name=\"" + name + "\" InitValue=\"\" Position=\"" + position +
                       "\" BitStart=\"9\" Mnemonic=\"\"");
}

} // namespace

class TFEtherCATSlave_test : public QObject {
    Q_OBJECT

private:
    using Window = birch::TFEtherCATSlave;

    static int show(birch::test::UiFixture& f, Window& window, std::function<void(Window&)> script)
    {
        f.runner.then([&window, script](QDialog&) {
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            script(window);
        });
        return f.context.modalRunner.run(window);
    }

    static QModelIndex indexOf(Window& w, int row, int column)
    {
        return w.slaveToMaster().model()->index(row - 1, column);
    }

    static void clickCell(Window& w, int row, int column)
    {
        const QModelIndex index = indexOf(w, row, column);
        w.slaveToMaster().scrollTo(index);
        QTest::mouseClick(w.slaveToMaster().viewport(), Qt::LeftButton, {},
                          w.slaveToMaster().visualRect(index).center());
    }

    // Clicks the Type cell, which opens its drop-down list, and clicks `type` in the list.
    static QStringList chooseType(Window& w, int row, const QString& type)
    {
        clickCell(w, row, kType);
        auto* combo = qobject_cast<QComboBox*>(w.slaveToMaster().indexWidget(indexOf(w, row, kType)));
        if (combo == nullptr)
            return {};
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QAbstractItemView* list = combo->view();
        const QModelIndex item = list->model()->index(combo->findText(type, Qt::MatchExactly), 0);
        list->scrollTo(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
        return items;
    }

    // Opens the cell's editor with F2, types `text` over its content, presses Enter and waits for
    // the edit to be committed.
    static void type(Window& w, int row, int column, const QString& text)
    {
        clickCell(w, row, column);
        QTest::keyClick(&w.slaveToMaster(), Qt::Key_F2);
        auto* edit = qobject_cast<QLineEdit*>(w.slaveToMaster().indexWidget(indexOf(w, row, column)));
        QVERIFY(edit != nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
        // The delegate commits on Enter through a queued call.
        QTRY_VERIFY(!w.slaveToMaster().isEditing());
    }

    static std::string text(Window& w, int row, int column) { return w.slaveToMaster().grid().text(row, column); }
    static std::string place(Window& w, int row) { return text(w, row, kPosition) + "/" + text(w, row, kBitStart); }
    static bool editable(Window& w, int row, int column)
    {
        return indexOf(w, row, column).flags().testFlag(Qt::ItemIsEditable);
    }
    static void click(Window& w, const char* name)
    {
        auto* button = w.findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY(button != nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static QLabel* pastDataArea(Window& w) { return w.findChild<QLabel*>(QStringLiteral("L_PastDataArea")); }

private Q_SLOTS:
    void layoutTextsAndHints()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        Window w(f.context);
        QCOMPARE(w.windowTitle(), QStringLiteral("EtherCAT Slave Set Access"));
        QCOMPARE(w.size(), QSize(1200, 337));
        QCOMPARE(w.slaveToMaster().model()->rowCount(), 256);
        QCOMPARE(w.slaveToMaster().model()->columnCount(), 9);
        QCOMPARE(w.masterToSlave().model()->columnCount(), 8);
        const int widths[] = {40, 50, 120, 100, 280, 100, 100, 100, 100};
        for (int c = 0; c < 9; ++c)
            QCOMPARE(w.slaveToMaster().columnWidth(c), widths[c]);
        const char* headers[] = {"N",          "Enable",   "Type",      "Length",  "Name",
                                 "Init Value", "Position", "Start Bit", "Mnemonic"};
        for (int c = 0; c < 9; ++c)
            QCOMPARE(w.slaveToMaster().model()->headerData(c, Qt::Horizontal).toString(),
                     QString::fromLatin1(headers[c]));
        QVERIFY(!w.slaveToMaster().model()->headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
        QCOMPARE(w.slaveToMaster().model()->headerData(4, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Insert the Name of EtherCAT Slave Variable"));
        QCOMPARE(w.slaveToMaster().model()->headerData(6, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Internal array Position of EtherCAT Slave Variable (read only)"));
        QCOMPARE(w.masterToSlave().model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Position"));
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("Btn_DelRow"))->toolTip(),
                 QStringLiteral("Delete the selected Row in the table"));
        auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("PC"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Slave To Master"));
        QVERIFY(tabs->isTabVisible(0));
        QVERIFY(!tabs->isTabVisible(1));
        QVERIFY(w.slaveToMaster().grid().checked(256, kEnable));
        QVERIFY(!editable(w, 1, kPosition));
        QVERIFY(!editable(w, 1, kBitStart));
        QVERIFY(editable(w, 1, kName));

        f.state.TextTable.set(1500, "Variabili EtherCAT");
        f.state.TextTable.set(1516, "Tipo");
        f.state.TextTable.set(1541, "Posizione");
        w.Set_Lang();
        QCOMPARE(w.windowTitle(), QStringLiteral("Variabili EtherCAT"));
        QCOMPARE(w.slaveToMaster().model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Tipo"));
        QCOMPARE(w.masterToSlave().model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Posizione"));
        QVERIFY(f.problems().isEmpty());
    }

    void loadsPlacesAndSavesOnOk()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        const std::string file = variablesXml(
            {row("Y", "Bool", "1", "Pump"), row("N", "Int32", "4", "Spare"), row("Y", "Bool", "1", "Valve"),
             row("Y", "Int16", "2", "Temp &amp; &quot;x&quot;"), row("Y", "String", "20", "Label")});
        birch::test::writeFixture(f.state.EtherCatSlaveFile, file);
        Window w(f.context);
        show(f, w, [&](Window& w) {
            QCOMPARE(place(w, 1), std::string("0/0"));
            QCOMPARE(place(w, 2), std::string("0/0"));
            QCOMPARE(place(w, 3), std::string("0/1"));
            QCOMPARE(place(w, 4), std::string("1/0"));
            QCOMPARE(place(w, 5), std::string("3/0"));
            QVERIFY(!w.slaveToMaster().grid().checked(2, kEnable));
            QVERIFY(editable(w, 5, kLength));
            QVERIFY(!editable(w, 4, kLength));
            type(w, 1, kName, QStringLiteral("edited"));
            click(w, "Btn_Cancel");
        });
        QCOMPARE(birch::test::readAll(f.state.EtherCatSlaveFile), file);

        const int result = show(f, w, [&](Window& w) {
            QCOMPARE(text(w, 1, kName), std::string("Pump"));
            click(w, "Btn_OK");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(
            birch::test::readAll(f.state.EtherCatSlaveFile),
            std::string("<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
                        "<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"Pump\" InitValue=\"\" Position=\"0\" "
                        "BitStart=\"0\" Mnemonic=\"\"/>"
                        "<row Enable=\"N\" Type=\"Int32\" Length=\"4\" Name=\"Spare\" InitValue=\"\" Position=\"0\" "
                        "BitStart=\"0\" Mnemonic=\"\"/>"
                        "<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"Valve\" InitValue=\"\" Position=\"0\" "
                        "BitStart=\"1\" Mnemonic=\"\"/>"
                        "<row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"Temp &amp; &quot;x&quot;\" "
                        "InitValue=\"\" Position=\"1\" BitStart=\"0\" Mnemonic=\"\"/>"
                        "<row Enable=\"Y\" Type=\"String\" Length=\"20\" Name=\"Label\" InitValue=\"\" "
                        "Position=\"3\" BitStart=\"0\" Mnemonic=\"\"/>"
                        "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables>"
                        "</EtherCAT_Slave><!--SW_VERSION = 1.000-->"));
        QVERIFY(f.problems().isEmpty());
    }

    void typeEnableAndLengthEditsRecompute()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        Window w(f.context);
        QStringList types;
        show(f, w, [&](Window& w) {
            types = chooseType(w, 1, QStringLiteral("Bool"));
            chooseType(w, 2, QStringLiteral("Bool"));
            chooseType(w, 3, QStringLiteral("Int16"));
            chooseType(w, 4, QStringLiteral("Int8"));
            QCOMPARE(place(w, 3), std::string("1/0"));
            QCOMPARE(place(w, 4), std::string("3/0"));
            QCOMPARE(text(w, 3, kLength), std::string("2"));

            // String: Length 10 and editable; a new Length moves what follows.
            chooseType(w, 3, QStringLiteral("String"));
            QCOMPARE(text(w, 3, kLength), std::string("10"));
            QVERIFY(editable(w, 3, kLength));
            QCOMPARE(place(w, 4), std::string("11/0"));
            type(w, 3, kLength, QStringLiteral("20"));
            QCOMPARE(place(w, 4), std::string("21/0"));
            chooseType(w, 3, QStringLiteral("Int16"));
            QCOMPARE(text(w, 3, kLength), std::string("2"));
            QVERIFY(!editable(w, 3, kLength));
            QCOMPARE(place(w, 4), std::string("3/0"));

            // Unticking a Bool frees its bit.
            clickCell(w, 1, kEnable);
            QVERIFY(!w.slaveToMaster().grid().checked(1, kEnable));
            QCOMPARE(place(w, 1), std::string("0/0"));
            QCOMPARE(place(w, 2), std::string("0/0"));
            QCOMPARE(place(w, 4), std::string("3/0"));
            chooseType(w, 2, QStringLiteral("UInt32"));
            QCOMPARE(place(w, 3), std::string("4/0"));
            click(w, "Btn_Cancel");
        });
        QCOMPARE(types, (QStringList{QStringLiteral("Bool"), QStringLiteral("Int8"), QStringLiteral("Int16"),
                                     QStringLiteral("Int32"), QStringLiteral("UInt8"), QStringLiteral("UInt16"),
                                     QStringLiteral("UInt32"), QStringLiteral("Float32"), QStringLiteral("String")}));
        QVERIFY(!std::filesystem::exists(f.state.EtherCatSlaveFile));
        QVERIFY(f.problems().isEmpty());
    }

    void pasteKeepsTheCopiedLength()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        birch::test::writeFixture(f.state.EtherCatSlaveFile,
                                  variablesXml({row("Y", "String", "20", "Label"), row("Y", "Int8", "1", "Count"),
                                                row("Y", "Int16", "2", "Level")}));
        Window w(f.context);
        show(f, w, [&](Window& w) {
            QVERIFY(!w.Do_Copy_StM());
            clickCell(w, 1, 0);
            click(w, "Btn_CopyRow");
            QVERIFY(w.Do_Copy_StM());
            QVERIFY(!w.Do_Copy_MtS());
            clickCell(w, 4, 0);
            click(w, "Btn_PasteRow");
            QCOMPARE(text(w, 4, kType), std::string("String"));
            QCOMPARE(text(w, 4, kLength), std::string("20"));
            QVERIFY(editable(w, 4, kLength));
            QCOMPARE(place(w, 4), std::string("23/0"));
            // Pasting over a row in use asks first (No keeps it).
            f.prompter.answer(Prompter::Answer::No);
            clickCell(w, 2, 0);
            click(w, "Btn_PasteRow");
            QCOMPARE(text(w, 2, kType), std::string("Int8"));
            click(w, "Btn_Cancel");
        });
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].text, QStringLiteral("Row Already used. Do you want to overwrite the values?"));
        QVERIFY(f.problems().isEmpty());
    }

    void deleteRecomputesInsertDoesNot()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        birch::test::writeFixture(
            f.state.EtherCatSlaveFile,
            variablesXml({row("Y", "Int32", "4", "A"), row("Y", "String", "6", "B"), row("Y", "Int8", "1", "C")}));
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::No);
        f.prompter.answer(Prompter::Answer::Yes);
        show(f, w, [&](Window& w) {
            QCOMPARE(place(w, 3), std::string("10/0"));
            clickCell(w, 1, kName);
            click(w, "Btn_DelRow");
            QCOMPARE(text(w, 1, kName), std::string("A"));
            click(w, "Btn_DelRow");
            QCOMPARE(text(w, 1, kName), std::string("B"));
            QCOMPARE(place(w, 1), std::string("0/0"));
            QCOMPARE(place(w, 2), std::string("6/0"));
            QVERIFY(editable(w, 1, kLength));
            QVERIFY(!editable(w, 2, kLength));
            QVERIFY(w.slaveToMaster().grid().checked(256, kEnable));

            click(w, "Btn_InsRow");
            QCOMPARE(text(w, 1, kType), std::string());
            QVERIFY(w.slaveToMaster().grid().checked(1, kEnable));
            QCOMPARE(text(w, 2, kName), std::string("B"));
            QCOMPARE(place(w, 3), std::string("6/0"));
            QVERIFY(editable(w, 2, kLength));
            QVERIFY(!editable(w, 1, kLength));
            click(w, "Btn_Cancel");
        });
        QCOMPARE(f.prompter.prompts.size(), 2);
        QCOMPARE(f.prompter.prompts[0].text, QStringLiteral("Are you sure to delete the Row number 1"));
        QCOMPARE(f.prompter.prompts[0].buttons, Prompter::Buttons::YesNo);
        QVERIFY(f.problems().isEmpty());
    }

    void surplusAndMasterToSlaveRowsAreNeverDroppedSilently()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        const std::string file =
            variablesXml(std::vector<std::string>(258, row("Y", "UInt8", "1", "v")),
                         {variableRow("Enable=\"Y\" Type=\"Bool\""), variableRow("Enable=\"Y\" Type=\"Int8\"")});
        birch::test::writeFixture(f.state.EtherCatSlaveFile, file);
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::Ok);
        f.prompter.answer(Prompter::Answer::No);
        f.prompter.answer(Prompter::Answer::Yes);
        const int result = show(f, w, [&](Window& w) {
            QCOMPARE(place(w, 256), std::string("255/0"));
            QCOMPARE(w.masterToSlave().grid().text(2, 5), std::string("1"));
            click(w, "Btn_OK");
            QVERIFY(w.isVisible());
            QCOMPARE(birch::test::readAll(f.state.EtherCatSlaveFile), file);
            click(w, "Btn_OK");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(f.prompter.prompts.size(), 3);
        QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Warning);
        QVERIFY(
            f.prompter.prompts[0].text.contains(QStringLiteral("not loaded: 2. OK will save the file without them")));
        QVERIFY(f.prompter.prompts[0].text.contains(qs(f.state.EtherCatSlaveFile.string())));
        QCOMPARE(f.prompter.prompts[1].kind, Prompter::Kind::Question);
        QVERIFY(f.prompter.prompts[1].text.contains(QStringLiteral("removed: 2\nSave anyway?")));
        const std::string saved = birch::test::readAll(f.state.EtherCatSlaveFile);
        QVERIFY(saved.find("<EtherCAT_Master_To_Slave/>") != std::string::npos);
        QVERIFY(f.problems().isEmpty());
    }

    void variablesPastTheDataAreaAreShownAndWarned()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        birch::test::writeFixture(f.state.EtherCatSlaveFile,
                                  variablesXml({row("Y", "String", "1999", "Block"), row("Y", "Int8", "1", "Last"),
                                                row("Y", "Int16", "2", "Over")}));
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::Ok);
        const int result = show(f, w, [&](Window& w) {
            QCOMPARE(place(w, 3), std::string("2000/0"));
            QVERIFY(pastDataArea(w)->isVisible());
            QCOMPARE(pastDataArea(w)->text(),
                     QStringLiteral("Variables that run past the end of the 2000-byte data area, by row: 3"));
            QCOMPARE(pastDataArea(w)->textFormat(), Qt::PlainText);
            QCOMPARE(indexOf(w, 3, kPosition).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
            QVERIFY(!indexOf(w, 2, kPosition).data(Qt::ForegroundRole).isValid());
            type(w, 1, kLength, QStringLiteral("1997"));
            QVERIFY(!pastDataArea(w)->isVisible());
            QVERIFY(!indexOf(w, 3, kPosition).data(Qt::ForegroundRole).isValid());
            type(w, 1, kLength, QStringLiteral("2000"));
            QCOMPARE(pastDataArea(w)->text(),
                     QStringLiteral("Variables that run past the end of the 2000-byte data area, by row: 2, 3"));
            click(w, "Btn_OK");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Warning);
        QVERIFY(f.prompter.prompts[0].text.endsWith(
            QStringLiteral("by row: 2, 3\nThe file is saved with them as they are.")));
        QVERIFY(
            birch::test::readAll(f.state.EtherCatSlaveFile).find("Name=\"Over\" InitValue=\"\" Position=\"2001\"") !=
            std::string::npos);
        QVERIFY(f.problems().isEmpty());
    }

    void aFileWithoutAListIsToldAndKept()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        const std::string file = "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" +
                                 row("Y", "Bool", "1", "A") + row("Y", "Bool", "1", "B") +
                                 "</EtherCAT_Slave_To_Master></EtherCAT_Slave_Variables></EtherCAT_Slave>";
        birch::test::writeFixture(f.state.EtherCatSlaveFile, file);
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::Ok);
        const int result = show(f, w, [&](Window& w) {
            QCOMPARE(place(w, 2), std::string("0/1"));
            click(w, "Btn_OK");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Error);
        QVERIFY(
            f.prompter.prompts[0].text.contains(qs(f.state.EtherCatSlaveFile.string() + "\nEtherCAT_Master_To_Slave")));
        QCOMPARE(birch::test::readAll(f.state.ProjectDir / "EtherCAT_Slave.xml.bak"), file);
        QVERIFY(birch::test::readAll(f.state.EtherCatSlaveFile)
                    .find("Name=\"B\" InitValue=\"\" Position=\"0\" BitStart=\"1\"") != std::string::npos);
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
        QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Error);
        QVERIFY(f.prompter.prompts[0].text.endsWith(QStringLiteral("EtherCAT_Slave.xml\ndisk full")));
        QVERIFY(f.problems().isEmpty());
    }

    void enterStaysInTheTable()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        Window w(f.context);
        show(f, w, [&](Window& w) {
            clickCell(w, 1, kName);
            QTest::keyClick(&w.slaveToMaster(), Qt::Key_Return);
            QVERIFY(w.isVisible());
            click(w, "Btn_Cancel");
        });
        QVERIFY(f.prompter.prompts.isEmpty());
        QVERIFY(f.problems().isEmpty());
    }
};

QTEST_MAIN(TFEtherCATSlave_test)
#include "TFEtherCATSlave_test.moc"
