#include "UiFixture.h"

#include "nmea/TFObjectsMapStep.h"
#include "params/TFParGen.h"
#include "profiles/TFGsdmlStep.h"
#include "widgets/GridView.h"
#include "widgets/QtText.h"
#include "widgets/RowButtons.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <iterator>
#include <memory>

using namespace birch;
using namespace birch::test;

namespace {

const std::string kRules = "<NMEA_0183><NMEA_Listener><row Enable=\"Y\" Serial_Channel=\"RS232\" Sentence=\"MTW\" "
                           "Mnemonic=\"Temp\"/></NMEA_Listener></NMEA_0183>";

std::unique_ptr<GridView> filledTable(AppState& state)
{
    auto view = std::make_unique<GridView>(state, 4, 3);
    for (int row = 1; row < 4; ++row)
        view->grid().setText(row, 2, "row" + std::to_string(row));
    view->refresh();
    return view;
}

// Every question whose Yes deletes, overwrites or throws away something. Each case brings the
// product to its question and then checks that nothing was lost.
struct DestructiveCase {
    const char* name;
    std::function<void(UiFixture&, const std::function<void()>& check)> askAndCheck;
};

const DestructiveCase kCases[] = {
    {"delete a row",
     [](UiFixture& f, const std::function<void()>& check) {
         auto view = filledTable(f.state);
         RowButtons buttons(*view, f.state, f.prompter, RowFamily::Plain);
         view->setCurrentCell(2, 2);
         QVERIFY(!buttons.deleteRow(f.state.TextTable[1039], false));
         QCOMPARE(view->grid().text(2, 2), std::string("row2"));
         check();
     }},
    {"paste over a filled row",
     [](UiFixture& f, const std::function<void()>& check) {
         auto view = filledTable(f.state);
         RowButtons buttons(*view, f.state, f.prompter, RowFamily::Plain);
         view->setCurrentCell(1, 2);
         buttons.copyRow();
         view->setCurrentCell(3, 2);
         QVERIFY(!buttons.pasteRow());
         QCOMPARE(view->grid().text(3, 2), std::string("row3"));
         check();
     }},
    {"replace an objects map",
     [](UiFixture& f, const std::function<void()>& check) {
         writeFixture(f.state.NmeaAccessFile, kRules);
         const auto map = f.state.ProjectDir / "map.csv";
         writeFixture(map, "older map");
         f.prompter.answerSaveFile(qs(map.string()));
         PROFINET_Map(f.context, nullptr);
         QCOMPARE(readAll(map), std::string("older map"));
         check();
     }},
    {"replace a GSDML file",
     [](UiFixture& f, const std::function<void()>& check) {
         writeFixture(f.state.NmeaAccessFile, kRules);
         const std::string name = "GSDML-V2.25-Velmora-_Ship-20240305.xml";
         const auto file = f.state.ProjectDir / name;
         writeFixture(file, "old");
         f.prompter.answerSaveFile(qs(file.string()));
         Create_GSDML_File(f.context, nullptr, name);
         QCOMPARE(readAll(file), std::string("old"));
         check();
     }},
    {"leave the parameters without saving",
     [](UiFixture& f, const std::function<void()>& check) {
         TFParGen window(f.context);
         f.runner.then([&](QDialog& d) {
             QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("E_EthConn_Device_Name")), QStringLiteral("x"));
             QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Btn_Cancel")), Qt::LeftButton);
             QVERIFY(d.isVisible());
             check();
             d.done(QDialog::Rejected);
         });
         f.context.modalRunner.run(window);
     }},
};

} // namespace

class DestructiveQuestionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void enterKeepsWhatWasThere_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kCases)); ++i)
            QTest::newRow(kCases[i].name) << i;
    }

    // A hasty Enter on any of them keeps what was there.
    void enterKeepsWhatWasThere()
    {
        QFETCH(int, index);
        UiFixture f;
        f.openProject("Ship");
        f.prompter.answerDefault();
        bool checked = false;
        kCases[index].askAndCheck(f, [&] {
            checked = true;
            QCOMPARE(f.prompter.prompts.size(), 1);
            QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Question);
            QCOMPARE(f.prompter.prompts[0].defaultAnswer, Prompter::Answer::No);
        });
        QVERIFY(checked);
        QVERIFY2(f.problems().isEmpty(), qPrintable(f.problems().join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(DestructiveQuestionsTest)
#include "destructive_questions_test.moc"
