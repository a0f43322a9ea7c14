#include "profiles/TFGsdmlStep.h"

#include "UiFixture.h"

#include "lang/ExtraTextNumbers.h"
#include "nmea/ObjectsMap.h"
#include "widgets/QtText.h"

#include <QTest>

#include <pugixml.hpp>

#include <filesystem>
#include <memory>

using namespace birch;
using namespace birch::test;

namespace fs = std::filesystem;

namespace {

const std::string kName = "GSDML-V2.25-Velmora-_Ship-20240305.xml";

// Writes atomically and records how many prompts had been shown at each write.
class ObservingWriter final : public FileWriter {
public:
    explicit ObservingWriter(const ScriptedPrompter& prompter) : prompter_(prompter) {}

    std::optional<WriteError> write(const fs::path& target, std::string_view bytes) override
    {
        promptsBeforeWrite.push_back(prompter_.prompts.size());
        return writer_.write(target, bytes);
    }

    QList<qsizetype> promptsBeforeWrite;

private:
    const ScriptedPrompter& prompter_;
    AtomicFileWriter writer_;
};

std::string ruleFile(const std::string& rows)
{
    return "<NMEA_0183><NMEA_Listener>" + rows + "</NMEA_Listener></NMEA_0183>";
}

std::string ruleRow(const std::string& sentence, const std::string& mnemonic)
{
    return "<row Enable=\"Y\" Serial_Channel=\"RS232\" Sentence=\"" + sentence + "\" Mnemonic=\"" + mnemonic + "\"/>";
}

// Input bytes the description declares, summed over its data items.
int declaredInputBytes(const pugi::xml_document& document)
{
    int total = 0;
    for (const pugi::xpath_node item : document.select_nodes("//ModuleItem//Input/DataItem")) {
        const std::string type = item.node().attribute("DataType").value();
        if (type == "Float32" || type == "Unsigned32" || type == "Integer32")
            total += 4;
        else if (type == "Unsigned16" || type == "Integer16")
            total += 2;
        else if (type == "Unsigned8" || type == "Integer8")
            total += 1;
        else
            total += item.node().attribute("Length").as_int();
    }
    return total;
}

} // namespace

class GsdmlStepTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> fixture;
    fs::path out;

    QString extra(int number) const { return qs(fixture->state.Extra[number]); }
    QString text(int number) const { return qs(fixture->state.TextTable[number]); }
    void writeRules(const std::string& rows) { writeFixture(fixture->state.NmeaAccessFile, ruleFile(rows)); }
    fs::path target() const { return out / kName; }

private Q_SLOTS:
    void init()
    {
        fixture = std::make_unique<UiFixture>();
        fixture->openProject("Ship");
        out = fixture->dir / "out folder";
        fs::create_directories(out);
    }

    void cleanup()
    {
        const QStringList problems = fixture->problems();
        fixture.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void typedNameOnlySelectsTheFolder()
    {
        writeRules(ruleRow("MTW", "Temp") + ruleRow("XDR", "Tank &lt;1&gt; &amp; &quot;2&quot;"));
        fixture->prompter.answerSaveFile(qs((out / "other.xml").string()));

        Create_GSDML_File(fixture->context, nullptr, kName);

        QCOMPARE(fixture->prompter.fileDialogs.size(), 1);
        const auto& dialog = fixture->prompter.fileDialogs.first();
        QCOMPARE(dialog.caption, text(701));
        QCOMPARE(dialog.folder, qs((fixture->state.ProjectDir / kName).string()));
        QCOMPARE(dialog.filter, qs("PROFINET XML (" + kName + ")"));
        QVERIFY(fixture->prompter.prompts.isEmpty());
        QVERIFY(!fs::exists(out / "other.xml"));
        QVERIFY(fs::is_regular_file(target()));

        pugi::xml_document document;
        QVERIFY(document.load_string(readAll(target()).c_str()));
        const ObjectsMapLoad map = loadObjectsMap(fixture->state.NmeaAccessFile, *fixture->state.NMEA0183);
        QVERIFY(map.ok());
        QCOMPARE(document.select_nodes("//ModuleList/ModuleItem").size(), map.map.rules.size());
        QCOMPARE(declaredInputBytes(document), map.map.byteCount);
        QVERIFY(document.select_node("//Text[@Value='Tank <1> & \"2\" - XDR (RS232)']"));
    }

    void cancelWritesNothing()
    {
        writeRules(ruleRow("MTW", "Temp"));
        fixture->prompter.answerSaveFile(std::nullopt);
        Create_GSDML_File(fixture->context, nullptr, kName);
        QVERIFY(fixture->prompter.prompts.isEmpty());
        QVERIFY(fs::is_empty(out));
    }

    void existingFileAsks903_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("No keeps the file") << false;
        QTest::newRow("Yes replaces it") << true;
    }

    void existingFileAsks903()
    {
        QFETCH(bool, overwrite);
        writeRules(ruleRow("MTW", "Temp"));
        writeFixture(target(), "old");
        fixture->prompter.answerSaveFile(qs(target().string()));
        fixture->prompter.answer(overwrite ? Prompter::Answer::Yes : Prompter::Answer::No);

        Create_GSDML_File(fixture->context, nullptr, kName);

        QCOMPARE(fixture->prompter.prompts.size(), 1);
        QCOMPARE(fixture->prompter.prompts.first().kind, Prompter::Kind::Question);
        QCOMPARE(fixture->prompter.prompts.first().buttons, Prompter::Buttons::YesNo);
        QCOMPARE(fixture->prompter.prompts.first().text,
                 QStringLiteral("File already exists! Do you want to overwrite the file?"));
        const std::string content = readAll(target());
        if (overwrite)
            QVERIFY(content.find("<ISO15745Profile") != std::string::npos);
        else
            QCOMPARE(content, std::string("old"));
        QCOMPARE(std::distance(fs::directory_iterator(out), fs::directory_iterator()), std::ptrdiff_t(1));
    }

    void overTheDevicesBytesWarnsThenWrites()
    {
        // 56 rules of 26 bytes: 1456 bytes, one rule beyond the 1438 of the device.
        std::string rows;
        for (int i = 0; i < 56; ++i)
            rows += ruleRow("XDR", "T" + std::to_string(i));
        writeRules(rows);
        ObservingWriter writer(fixture->prompter);
        UiContext context{fixture->state, fixture->prompter, fixture->urlOpener, fixture->runner, writer};
        fixture->prompter.answerSaveFile(qs(target().string()));
        fixture->prompter.answer(Prompter::Answer::Ok);

        Create_GSDML_File(context, nullptr, kName);

        QCOMPARE(fixture->prompter.prompts.size(), 1);
        QCOMPARE(fixture->prompter.prompts.first().kind, Prompter::Kind::Warning);
        QCOMPARE(fixture->prompter.prompts.first().text, extra(ext::kGsdmlBytesNeeded) + QStringLiteral("1456") +
                                                             extra(ext::kGsdmlBytesOfDevice) + QStringLiteral("1438") +
                                                             extra(ext::kGsdmlModulesMarked) + QStringLiteral("1"));
        QCOMPARE(writer.promptsBeforeWrite, QList<qsizetype>{1});
        pugi::xml_document document;
        QVERIFY(document.load_string(readAll(target()).c_str(), pugi::parse_default | pugi::parse_comments));
        QCOMPARE(document.select_nodes("//ModuleList/ModuleItem").size(), size_t(56));
        QCOMPARE(document.select_nodes("//Text[starts-with(@Value, 'DOES NOT FIT')]").size(), size_t(1));
        QCOMPARE(document.select_nodes("//ModuleList/comment()").size(), size_t(1));
    }

    void projectWithoutRulesWarnsAndWritesTheAccessPoint()
    {
        fixture->prompter.answerSaveFile(qs(target().string()));
        fixture->prompter.answer(Prompter::Answer::Ok);
        Create_GSDML_File(fixture->context, nullptr, kName);
        QCOMPARE(fixture->prompter.prompts.size(), 1);
        QCOMPARE(fixture->prompter.prompts.first().kind, Prompter::Kind::Warning);
        QCOMPARE(fixture->prompter.prompts.first().text, extra(ext::kGsdmlNoRules));
        pugi::xml_document document;
        QVERIFY(document.load_string(readAll(target()).c_str()));
        QVERIFY(document.select_node("//DeviceAccessPointItem"));
        QVERIFY(!document.select_node("//ModuleItem"));
    }

    void unusableRuleFileIsToldAndNothingWritten()
    {
        writeRules("<row Enable=\"Y\"");
        fixture->prompter.answerSaveFile(qs(target().string()));
        fixture->prompter.answer(Prompter::Answer::Ok);
        Create_GSDML_File(fixture->context, nullptr, kName);
        QCOMPARE(fixture->prompter.prompts.size(), 1);
        QCOMPARE(fixture->prompter.prompts.first().kind, Prompter::Kind::Error);
        QVERIFY(fixture->prompter.prompts.first().text.startsWith(
            extra(ext::kGsdmlSourceMalformed) + qs(fixture->state.NmeaAccessFile.string()) + QLatin1Char('\n')));
        QVERIFY(fs::is_empty(out));
    }

    void writeFailureIsToldOnceNamingTheFile()
    {
        writeRules(ruleRow("MTW", "Temp"));
        FailingFileWriter writer("disk full");
        UiContext context{fixture->state, fixture->prompter, fixture->urlOpener, fixture->runner, writer};
        fixture->prompter.answerSaveFile(qs(target().string()));
        fixture->prompter.answer(Prompter::Answer::Ok);
        Create_GSDML_File(context, nullptr, kName);
        QCOMPARE(writer.attempts, std::vector<fs::path>{target()});
        QCOMPARE(fixture->prompter.prompts.size(), 1);
        QCOMPARE(fixture->prompter.prompts.first().kind, Prompter::Kind::Error);
        QCOMPARE(fixture->prompter.prompts.first().text,
                 extra(ext::kFileCannotBeWritten) + qs(target().string()) + QStringLiteral("\ndisk full"));
    }

    void nameWithAFolderIsRefused()
    {
        const std::string name = "GSDML-V2.25-Velmora-_../x-20240305.xml";
        fixture->prompter.answer(Prompter::Answer::Ok);
        Create_GSDML_File(fixture->context, nullptr, name);
        QVERIFY(fixture->prompter.fileDialogs.isEmpty());
        QCOMPARE(fixture->prompter.prompts.size(), 1);
        QCOMPARE(fixture->prompter.prompts.first().text, extra(ext::kGsdmlNameHasFolder) + qs(name));
    }
};

QTEST_MAIN(GsdmlStepTest)
#include "TFGsdmlStep_test.moc"
