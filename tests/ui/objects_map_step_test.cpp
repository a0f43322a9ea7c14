#include "nmea/TFObjectsMapStep.h"

#include "../cli/CliRun.h"
#include "ImageTestData.h"
#include "UiFixture.h"

#include "lang/ExtraTextNumbers.h"
#include "widgets/QtText.h"

#include <QTest>

#include <filesystem>
#include <iterator>
#include <memory>
#include <optional>

using namespace birch;
using namespace birch::test;

namespace fs = std::filesystem;

namespace {

const std::string kHeader = "Byte; Sentence; Field; Serial; Mnemonic;\r\n";

std::string mapRule(const char* mnemonic)
{
    return ruleRow({{"Enable", "Y"}, {"Sentence", "MTW"}, {"Serial_Channel", "RS232"}, {"Mnemonic", mnemonic}});
}

QString name(const fs::path& file)
{
    return QString::fromStdString(file.string());
}

} // namespace

class ObjectsMapStepTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> fixture;

    AppState& state() { return fixture->state; }
    fs::path inProject(const char* file) { return state().ProjectDir / file; }
    QString text(int number) { return qs(state().TextTable[number]); }

    // Runs the step choosing `chosen` in the save dialog (nothing: Cancel).
    void runChoosing(std::optional<fs::path> chosen)
    {
        fixture->prompter.answerSaveFile(chosen ? std::optional<QString>(name(*chosen)) : std::nullopt);
        PROFINET_Map(fixture->context, nullptr);
    }

    void expectOneError(std::initializer_list<QString> parts)
    {
        QCOMPARE(fixture->prompter.prompts.size(), 1);
        const auto& prompt = fixture->prompter.prompts[0];
        QCOMPARE(prompt.kind, Prompter::Kind::Error);
        QCOMPARE(prompt.buttons, Prompter::Buttons::Ok);
        for (const QString& part : parts)
            QVERIFY2(prompt.text.contains(part), qPrintable(prompt.text));
    }

    // Nothing beyond what the test expects, no temporary file either, is left in the project.
    void expectProjectEntries(std::size_t entries)
    {
        QCOMPARE(std::size_t(std::distance(fs::directory_iterator(state().ProjectDir), {})), entries);
    }

private Q_SLOTS:
    void init()
    {
        fixture = std::make_unique<UiFixture>();
        fixture->openProject("Ship");
    }

    void cleanup()
    {
        const QStringList problems = fixture->problems();
        fixture.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void dialogStartsInTheProjectWithTheStepsCaption()
    {
        state().TextTable.set(29, "Mappa oggetti");
        runChoosing(std::nullopt);
        QCOMPARE(fixture->prompter.fileDialogs.size(), 1);
        QCOMPARE(fixture->prompter.fileDialogs[0].caption, QStringLiteral("Mappa oggetti"));
        QCOMPARE(fixture->prompter.fileDialogs[0].folder, name(state().ProjectDir));
        QCOMPARE(fixture->prompter.fileDialogs[0].filter, QStringLiteral("CSV (MS-DOS) (*.csv)"));
    }

    void cancelWritesNothing()
    {
        writeFixture(state().NmeaAccessFile, rulesXml({mapRule("Temp")}));
        runChoosing(std::nullopt);
        QVERIFY(fixture->prompter.prompts.isEmpty());
        expectProjectEntries(2);
    }

    void newFileIsWrittenWithoutAQuestionAsTheCliWritesIt()
    {
        writeFixture(state().NmeaAccessFile,
                     rulesXml({mapRule("Temp \xC3\xA9"), ruleRow({{"Enable", "Y"}, {"Sentence", "XDR"}})}));
        runChoosing(inProject("map"));
        QVERIFY(fixture->prompter.prompts.isEmpty());
        const std::string written = readAll(inProject("map.csv"));
        QVERIFY(written.starts_with(kHeader +
                                    "0-1-2-3;MTW;Water temperature, Number [floating point];RS232;Temp \xE9;\r\n"));

        TempDir other;
        const CliResult cli = runCli({"objects-map", state().ProjectDir.string(), "-o", (other / "cli.csv").string()});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(readAll(other / "cli.csv"), written);
    }

    void csvRuleGivesTheSavedName_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << QStringLiteral("map") << QStringLiteral("map.csv");
        QTest::newRow("other extension") << QStringLiteral("map.txt") << QStringLiteral("map.txt.csv");
        QTest::newRow("upper case") << QStringLiteral("MAP.CSV") << QStringLiteral("MAP.CSV");
        QTest::newRow("non-ASCII name") << QStringLiteral("Kart\u00e9") << QStringLiteral("Kart\u00e9.csv");
    }

    void csvRuleGivesTheSavedName()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        fixture->prompter.answerSaveFile(name(state().ProjectDir / chosen.toStdString()));
        PROFINET_Map(fixture->context, nullptr);
        QVERIFY(fixture->prompter.prompts.isEmpty());
        QCOMPARE(readAll(state().ProjectDir / saved.toStdString()), kHeader);
        expectProjectEntries(2);
    }

    // The question is about the file the map would replace, the name after the ".csv" rule.
    void existingFileIsLookedUpUnderTheSavedName()
    {
        writeFixture(inProject("map"), "not a map");
        runChoosing(inProject("map"));
        QVERIFY(fixture->prompter.prompts.isEmpty());
        QCOMPARE(readAll(inProject("map.csv")), kHeader);
        QCOMPARE(readAll(inProject("map")), std::string("not a map"));

        fixture->prompter.answer(Prompter::Answer::No);
        runChoosing(inProject("map"));
        QCOMPARE(fixture->prompter.prompts.size(), 1);
        QCOMPARE(fixture->prompter.prompts[0].text, text(31));

        // A link to nothing is still a file of that name: the write would replace it.
        fs::create_symlink(inProject("gone"), inProject("link.csv"));
        fixture->prompter.answer(Prompter::Answer::No);
        runChoosing(inProject("link.csv"));
        QCOMPARE(fixture->prompter.prompts.size(), 2);
        QVERIFY(fs::is_symlink(inProject("link.csv")));
    }

    void existingFileIsReplacedOnlyOnYes_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("Yes") << int(Prompter::Answer::Yes) << true;
        QTest::newRow("No") << int(Prompter::Answer::No) << false;
        QTest::newRow("Cancel") << int(Prompter::Answer::Cancel) << false;
    }

    void existingFileIsReplacedOnlyOnYes()
    {
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        writeFixture(state().NmeaAccessFile, rulesXml({mapRule("Temp")}));
        writeFixture(inProject("map.csv"), "older map");
        state().TextTable.set(31, "Il file esiste già! Sovrascriverlo?");
        fixture->prompter.answer(Prompter::Answer(answer));
        runChoosing(inProject("map.csv"));
        QCOMPARE(fixture->prompter.prompts.size(), 1);
        QCOMPARE(fixture->prompter.prompts[0].kind, Prompter::Kind::Question);
        QCOMPARE(fixture->prompter.prompts[0].text, QStringLiteral("Il file esiste già! Sovrascriverlo?"));
        QCOMPARE(fixture->prompter.prompts[0].buttons, Prompter::Buttons::YesNoCancel);
        const std::string content = readAll(inProject("map.csv"));
        if (replaced)
            QVERIFY(content.starts_with(kHeader + "0-1-2-3;MTW;"));
        else
            QCOMPARE(content, std::string("older map"));
        expectProjectEntries(3);
    }

    void characterOutsideTheCodePageIsOneErrorAndNoFile()
    {
        writeFixture(state().NmeaAccessFile, rulesXml({mapRule("Temp"), mapRule("in \xE2\x86\x92 out")}));
        fixture->prompter.answer(Prompter::Answer::Ok);
        runChoosing(inProject("map.csv"));
        expectOneError({qs(state().Extra[ext::kObjectsMapUnencodable]), QStringLiteral("2: U+2192 \u2192")});
        expectProjectEntries(2);
    }

    void malformedRuleFileIsOneErrorNamingIt()
    {
        writeFixture(state().NmeaAccessFile, "<NMEA_0183><NMEA_Listener>");
        fixture->prompter.answer(Prompter::Answer::Ok);
        runChoosing(inProject("map.csv"));
        expectOneError({qs(state().Extra[ext::kObjectsMapSourceMalformed]), name(state().NmeaAccessFile)});
        expectProjectEntries(2);
    }

    void failedWriteIsOneErrorNamingTheFile()
    {
        FailingFileWriter failing("disk full");
        UiContext context{state(), fixture->prompter, fixture->urlOpener, fixture->runner, failing};
        fixture->prompter.answerSaveFile(name(inProject("map")));
        fixture->prompter.answer(Prompter::Answer::Ok);
        PROFINET_Map(context, nullptr);
        QCOMPARE(failing.attempts, std::vector<fs::path>{inProject("map.csv")});
        expectOneError(
            {qs(state().Extra[ext::kObjectsMapNotWritten]), name(inProject("map.csv")), QStringLiteral("disk full")});
    }

    void withoutAProjectNoDialogOpens()
    {
        state().ProjectDir.clear();
        fixture->prompter.answer(Prompter::Answer::Ok);
        PROFINET_Map(fixture->context, nullptr);
        QVERIFY(fixture->prompter.fileDialogs.isEmpty());
        QCOMPARE(fixture->prompter.prompts.size(), 1);
        QCOMPARE(fixture->prompter.prompts[0].text, text(18));
    }
};

QTEST_MAIN(ObjectsMapStepTest)
#include "objects_map_step_test.moc"
