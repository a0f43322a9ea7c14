#include "RuleEditorDriver.h"

#include "nmea/RuleGrid.h"
#include "nmea/TFDataAreaPanel.h"
#include "widgets/DataAreaMapView.h"
#include "widgets/QtText.h"

#include <QHelpEvent>
#include <QImage>
#include <QItemSelectionModel>
#include <QToolTip>

#include <set>
#include <vector>

using birch::Prompter;
using birch::test::RuleEditorDriver;
namespace RuleColumn = birch::RuleColumn;

namespace {

const std::string kDepth = "Water depth relative to transducer, meters [floating point]";

// DPT at 10..13 and GGA's station ID at 12..13 share two bytes; ZDA's hour is at 20.
const std::string kSharedBytes = birch::test::rulesFileXml(
    birch::test::ruleXml("RS232", "DPT", kDepth, "10") +
    birch::test::ruleXml("RS232", "GGA", "Differential reference station ID [decimal]", "12") +
    birch::test::ruleXml("RS232", "ZDA", "hour [decimal]", "20"));

} // namespace

class RuleEditorMapTest : public QObject, RuleEditorDriver {
    Q_OBJECT

private:
    static birch::DataAreaMapView& mapOf(Window& w) { return w.dataArea().mapView(); }

    static std::vector<int> rowsOn(Window& w, int byte)
    {
        std::vector<int> rows;
        for (const int claim : mapOf(w).map().claims(byte))
            rows.push_back(mapOf(w).map().rules()[static_cast<std::size_t>(claim)].row);
        return rows;
    }

    static QString tipAt(Window& w, int byte)
    {
        birch::DataAreaMapView& view = mapOf(w);
        const QPoint at = view.byteRect(byte).center();
        QHelpEvent help(QEvent::ToolTip, at, view.mapToGlobal(at));
        QApplication::sendEvent(&view, &help);
        return QToolTip::text();
    }

    static void clickByte(Window& w, int byte)
    {
        QTest::mouseClick(&mapOf(w), Qt::LeftButton, {}, mapOf(w).byteRect(byte).center());
    }

private Q_SLOTS:
    void mapFollowsEveryEdit()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(
            f.state.NmeaAccessFile,
            birch::test::rulesFileXml(birch::test::ruleXml("RS232", "ZDA", "hour [decimal]", "1") +
                                      birch::test::ruleXml("RS232", "DPT", kDepth, "2")));
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::Yes);
        show(f, w, [&](Window& w) {
            QCOMPARE(rowsOn(w, 1), std::vector<int>{1});
            QCOMPARE(rowsOn(w, 5), std::vector<int>{2});
            QVERIFY(rowsOn(w, 6).empty());
            // A new rule takes its automatic position: after DPT, one further for a one-byte field.
            choose(w, 3, RuleColumn::Sentence, QStringLiteral("ZDA"));
            QCOMPARE(rowsOn(w, 7), std::vector<int>{3});
            type(w, 3, RuleColumn::Position, QStringLiteral("3"));
            QCOMPARE(rowsOn(w, 3), (std::vector<int>{2, 3}));
            QVERIFY(rowsOn(w, 7).empty());
            // Disabling row 2 frees its bytes.
            clickCell(w, 2, RuleColumn::Enable);
            QVERIFY(rowsOn(w, 2).empty());
            QCOMPARE(rowsOn(w, 3), std::vector<int>{3});
            // A two-byte field placed after row 1, the enabled rule above.
            choose(w, 3, RuleColumn::DataField, QStringLiteral("year [decimal]"));
            QCOMPARE(rowsOn(w, 2), std::vector<int>{3});
            QCOMPARE(rowsOn(w, 3), std::vector<int>{3});
            // Row operations move the rules, and the map with them.
            clickCell(w, 1, 0);
            click(w, "Btn_DelRow");
            QCOMPARE(rowsOn(w, 2), std::vector<int>{2});
            QVERIFY(rowsOn(w, 1).empty());
            clickCell(w, 1, 0);
            click(w, "Btn_InsRow");
            QCOMPARE(rowsOn(w, 2), std::vector<int>{3});
            click(w, "Btn_Cancel");
        });
        QVERIFY(f.problems().isEmpty());
    }

    void pointingNamesTheRowsAndClickingSelectsOne()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(f.state.NmeaAccessFile, kSharedBytes);
        Window w(f.context);
        show(f, w, [&](Window& w) {
            const QString shared = tipAt(w, 12);
            QVERIFY2(shared.contains(QStringLiteral("Byte 12, register 6")), qPrintable(shared));
            QVERIFY2(shared.contains(QStringLiteral("Row 1: DPT, ") + birch::qs(kDepth)), qPrintable(shared));
            QVERIFY2(shared.contains(QStringLiteral("Row 2: GGA, Differential reference station ID [decimal]")),
                     qPrintable(shared));
            QVERIFY(tipAt(w, 14).contains(QStringLiteral("Byte 14, register 7: free")));

            clickByte(w, 20);
            QCOMPARE(w.table().currentRow(), 3);
            QCOMPARE(w.table().selectionModel()->selectedIndexes().size(), 10);
            QCOMPARE(w.focusWidget(), &w.table());
            // Each click on a shared byte takes the next of its rows.
            clickByte(w, 12);
            QCOMPARE(w.table().currentRow(), 1);
            clickByte(w, 13);
            QCOMPARE(w.table().currentRow(), 2);
            clickByte(w, 12);
            QCOMPARE(w.table().currentRow(), 1);
            clickByte(w, 30);
            QCOMPARE(w.table().currentRow(), 1);

            // Shared bytes are hatched black on white, not told by a colour alone.
            const QImage image = mapOf(w).grab().toImage();
            std::set<QRgb> sharedColours;
            std::set<QRgb> ruleColours;
            const QRect sharedCell = mapOf(w).byteRect(12);
            const QRect ruleCell = mapOf(w).byteRect(10);
            const qreal ratio = image.devicePixelRatio();
            for (int x = 0; x < sharedCell.width(); ++x)
                for (int y = 0; y < sharedCell.height(); ++y) {
                    sharedColours.insert(image.pixel(QPoint(sharedCell.x() + x, sharedCell.y() + y) * ratio) &
                                         0xFFFFFF);
                    ruleColours.insert(image.pixel(QPoint(ruleCell.x() + x, ruleCell.y() + y) * ratio) & 0xFFFFFF);
                }
            QCOMPARE(sharedColours, (std::set<QRgb>{0x000000, 0xFFFFFF}));
            QCOMPARE(ruleColours, std::set<QRgb>{0xE69F00});
            click(w, "Btn_Cancel");
        });
        QVERIFY(f.problems().isEmpty());
    }

    void okWarnsOnceAboutSharedBytes()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(f.state.NmeaAccessFile, kSharedBytes);
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::No);
        const int result = show(f, w, [&](Window& w) {
            type(w, 3, RuleColumn::Mnemonic, QStringLiteral("Hour"));
            click(w, "Btn_OK");
            // No goes back to the table, at the lower row of the first pair.
            QVERIFY(w.isVisible());
            QCOMPARE(birch::test::readAll(f.state.NmeaAccessFile), kSharedBytes);
            QCOMPARE(w.table().currentRow(), 2);
            QCOMPARE(w.table().currentColumn(), int(RuleColumn::Position));
            f.prompter.answer(Prompter::Answer::Yes);
            click(w, "Btn_OK");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(f.prompter.prompts.size(), 2);
        QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Question);
        QCOMPARE(f.prompter.prompts[0].buttons, Prompter::Buttons::YesNo);
        QCOMPARE(f.prompter.prompts[0].text,
                 QStringLiteral("Enabled rules fill the same bytes of the data area:\nRows 1 and 2: bytes 12-13\n\n"
                                "Save anyway? Yes saves the rules as they are; No goes back to the table."));
        QVERIFY(birch::test::readAll(f.state.NmeaAccessFile).find("Mnemonic=\"Hour\"") != std::string::npos);
        QVERIFY(f.problems().isEmpty());
    }

    void exportWritesTheTablesRegisterMap()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(f.state.NmeaAccessFile, kSharedBytes);
        birch::test::writeFixture(f.state.ParGenFile,
                                  "<Par_Gen><MODBUS_SLAVE_SERIAL>1</MODBUS_SLAVE_SERIAL>"
                                  "<MODBUS_SLAVE_READ_INPUT_REGISTER>1</MODBUS_SLAVE_READ_INPUT_REGISTER></Par_Gen>");
        const auto csv = f.state.ProjectDir / "registers.csv";
        const auto html = f.state.ProjectDir / "registers.html";
        Window w(f.context);
        f.prompter.answerSaveFile(birch::qs((f.state.ProjectDir / "registers").string()));
        f.prompter.answerSaveFile(birch::qs(html.string()));
        f.prompter.answerSaveFile(birch::qs(csv.string()));
        f.prompter.answer(Prompter::Answer::No);
        show(f, w, [&](Window& w) {
            // The table as edited, not the file, is exported.
            type(w, 3, RuleColumn::Position, QStringLiteral("30"));
            click(w, "Btn_Export");
            click(w, "Btn_Export");
            type(w, 3, RuleColumn::Position, QStringLiteral("31"));
            click(w, "Btn_Export");
            click(w, "Btn_Cancel");
        });
        const std::string written = birch::test::readAll(csv);
        QCOMPARE(written.substr(0, 3), std::string("\xEF\xBB\xBF"));
        QVERIFY(written.find("\r\n3,ZDA,hour [decimal],RS232,m,None,N,N,30,1,15,15,30016,30016,\r\n") !=
                std::string::npos);
        QVERIFY(written.find(",30006,30007,overlaps row 2\r\n") != std::string::npos);
        QVERIFY(birch::test::readAll(html).find("class=\"map\"") != std::string::npos);
        QCOMPARE(f.prompter.fileDialogs.size(), 3);
        QCOMPARE(f.prompter.fileDialogs[0].caption, QStringLiteral("Export the register map (CSV, Markdown or HTML)"));
        QCOMPARE(f.prompter.fileDialogs[0].folder, birch::qs(f.state.ProjectDir.string()));
        // Replacing the CSV file was asked and refused.
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].text,
                 QStringLiteral("The File already exists! Do you want to overwrite the file?"));
        QCOMPARE(birch::test::readAll(f.state.NmeaAccessFile), kSharedBytes);
        QVERIFY(f.problems().isEmpty());
    }
};

QTEST_MAIN(RuleEditorMapTest)
#include "rule_editor_map_test.moc"
