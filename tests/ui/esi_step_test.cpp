#include "EtherCatTestData.h"
#include "UiFixture.h"

#include "profiles/TFEsiStep.h"
#include "widgets/QtText.h"

#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <QXmlStreamReader>

#include <filesystem>
#include <string>
#include <vector>

using birch::Prompter;
using birch::qs;
using birch::test::readAll;
using birch::test::variableRow;
using birch::test::variablesXml;
using birch::test::writeFixture;

namespace {

const std::filesystem::path kFixtures = std::filesystem::path(BIRCH_FIXTURES_DIR) / "esi";

// Copies a golden case's project files into the fixture's open project.
void useCase(birch::test::UiFixture& f, const char* name)
{
    for (const char* file : {"ParGen.xml", "EtherCAT_Slave.xml"})
        if (std::filesystem::exists(kFixtures / name / file))
            writeFixture(f.state.ProjectDir / file, readAll(kFixtures / name / file));
}

// The element texts of every element named `name`, or the parser's complaint.
QStringList texts(const std::string& document, const QString& name, QString& error)
{
    QXmlStreamReader reader(QByteArray::fromStdString(document));
    QStringList found;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == name)
            found << reader.readElementText();
    }
    if (reader.hasError())
        error = reader.errorString() + QStringLiteral(" at line ") + QString::number(reader.lineNumber());
    return found;
}

} // namespace

class EsiStepTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesTheChosenFileWithXmlAdded()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        useCase(f, "bool_bool_bool_int16");
        const auto chosen = f.state.ProjectDir / "device";
        f.prompter.answerSaveFile(qs(chosen.string()));
        birch::EtherCAT_ESI_File(f.context, nullptr);
        QCOMPARE(f.prompter.fileDialogs.size(), 1);
        QCOMPARE(f.prompter.fileDialogs[0].caption, QStringLiteral("EtherCAT ESI File"));
        QCOMPARE(f.prompter.fileDialogs[0].folder, qs(f.state.ProjectDir.string()));
        QCOMPARE(f.prompter.fileDialogs[0].filter, QStringLiteral("EtherCAT ESI File (*.xml)"));
        QVERIFY(!std::filesystem::exists(chosen));
        QCOMPARE(readAll(f.state.ProjectDir / "device.xml"), readAll(kFixtures / "bool_bool_bool_int16" / "ESI.xml"));
        QVERIFY(f.prompter.prompts.isEmpty());

        // A name with an extension is kept as it is.
        f.prompter.answerSaveFile(qs((f.state.ProjectDir / "device.esi").string()));
        birch::EtherCAT_ESI_File(f.context, nullptr);
        QVERIFY(std::filesystem::exists(f.state.ProjectDir / "device.esi"));
        QVERIFY(!std::filesystem::exists(f.state.ProjectDir / "device.esi.xml"));
        QVERIFY(f.problems().isEmpty());
    }

    void anExistingFileIsReplacedOnlyOnYes()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        const auto target = f.state.ProjectDir / "device.xml";
        writeFixture(target, "previous");
        f.prompter.answerSaveFile(qs(target.string()));
        f.prompter.answer(Prompter::Answer::No);
        birch::EtherCAT_ESI_File(f.context, nullptr);
        QCOMPARE(readAll(target), std::string("previous"));
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].text, QStringLiteral("File already exists! Do you want to overwrite the file?"));
        QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Question);
        QCOMPARE(f.prompter.prompts[0].buttons, Prompter::Buttons::YesNo);

        // The name typed without extension meets the existing file too.
        f.prompter.answerSaveFile(qs((f.state.ProjectDir / "device").string()));
        f.prompter.answer(Prompter::Answer::Yes);
        birch::EtherCAT_ESI_File(f.context, nullptr);
        QCOMPARE(readAll(target), readAll(kFixtures / "defaults" / "ESI.xml"));

        f.prompter.answerSaveFile(std::nullopt);
        birch::EtherCAT_ESI_File(f.context, nullptr);
        QCOMPARE(f.prompter.prompts.size(), 2);
        QVERIFY(f.problems().isEmpty());
    }

    void everyFailureIsToldOnceAndNothingIsWritten()
    {
        struct Case {
            const char* name;
            const char* file;
            std::string text;
            QString named;
        };
        const std::vector<Case> cases = {
            {"variables without the slave-to-master list", "EtherCAT_Slave.xml",
             "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables>"
             "</EtherCAT_Slave>",
             QStringLiteral("EtherCAT_Slave.xml\nEtherCAT_Slave_To_Master")},
            {"malformed ParGen", "ParGen.xml", "<Par_Gen>", QStringLiteral("ParGen.xml\n")},
        };
        for (const Case& c : cases) {
            birch::test::UiFixture f;
            f.openProject("Plant");
            writeFixture(f.state.ProjectDir / c.file, c.text);
            f.prompter.answerSaveFile(qs((f.state.ProjectDir / "device.xml").string()));
            f.prompter.answer(Prompter::Answer::Ok);
            birch::EtherCAT_ESI_File(f.context, nullptr);
            QVERIFY2(!std::filesystem::exists(f.state.ProjectDir / "device.xml"), c.name);
            QCOMPARE(f.prompter.prompts.size(), 1);
            QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Error);
            QVERIFY2(f.prompter.prompts[0].text.startsWith(QStringLiteral("The ESI file was not written.")), c.name);
            QVERIFY2(f.prompter.prompts[0].text.contains(c.named), qPrintable(f.prompter.prompts[0].text));
            QVERIFY(f.problems().isEmpty());
        }

        birch::test::UiFixture f;
        f.openProject("Plant");
        birch::test::FailingFileWriter failing("disk full");
        birch::UiContext context{f.state, f.prompter, f.urlOpener, f.runner, failing};
        const auto target = f.state.ProjectDir / "device.xml";
        f.prompter.answerSaveFile(qs(target.string()));
        f.prompter.answer(Prompter::Answer::Ok);
        birch::EtherCAT_ESI_File(context, nullptr);
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].text, qs("The file cannot be written: " + target.string() + "\ndisk full"));
        QVERIFY(f.problems().isEmpty());
    }

    void withoutAProjectOnlyTheErrorIsShown()
    {
        birch::test::UiFixture f;
        f.prompter.answer(Prompter::Answer::Ok);
        birch::EtherCAT_ESI_File(f.context, nullptr);
        QVERIFY(f.prompter.fileDialogs.isEmpty());
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].text, QStringLiteral("Error! Project not Valid"));
        QVERIFY(f.problems().isEmpty());
    }

    // A strict parser reads every golden file and a file with names that need escaping.
    void everyFileIsWellFormed()
    {
        for (const char* name :
             {"defaults", "bool_bool_bool_int16", "eight_bools", "seventeen", "disabled", "string_12", "identity"}) {
            QString error;
            texts(readAll(kFixtures / name / "ESI.xml"), QStringLiteral("Name"), error);
            QVERIFY2(error.isEmpty(), qPrintable(QString::fromLatin1(name) + QStringLiteral(": ") + error));
        }

        birch::test::UiFixture f;
        f.openProject("Plant");
        writeFixture(
            f.state.ParGenFile,
            "<Par_Gen><EtherCAT_Slave_Name>Pumpe &amp; &lt;K\xC3\xBChlung&gt;</EtherCAT_Slave_Name></Par_Gen>");
        writeFixture(f.state.EtherCatSlaveFile,
                     variablesXml({variableRow("Enable=\"Y\" Type=\"Bool\" Name=\"a&amp;b &lt;c&gt; ]]&gt; "
                                               "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\"")}));
        f.prompter.answerSaveFile(qs((f.state.ProjectDir / "device.xml").string()));
        birch::EtherCAT_ESI_File(f.context, nullptr);
        const std::string written = readAll(f.state.ProjectDir / "device.xml");
        QString error;
        const QStringList names = texts(written, QStringLiteral("Name"), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(names.contains(QString::fromUtf8("Pumpe & <K\xC3\xBChlung>")));
        QVERIFY(names.contains(QString::fromUtf8("a&b <c> ]]> \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80")));
        for (const char c : written)
            QVERIFY(static_cast<unsigned char>(c) < 0x80);
        QVERIFY(f.problems().isEmpty());
    }

    void iconIsA16By14Bitmap()
    {
        QString error;
        const QStringList icons =
            texts(readAll(kFixtures / "defaults" / "ESI.xml"), QStringLiteral("ImageData16x14"), error);
        QCOMPARE(icons.size(), 3);
        const QImage image = QImage::fromData(QByteArray::fromHex(icons[0].toLatin1()), "BMP");
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(16, 14));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(image.pixelColor(2, 4), QColor(0xF0, 0x8A, 0x24));
    }

    void commandLineWritesTheSameBytes()
    {
        birch::test::UiFixture f;
        f.openProject("Plant");
        useCase(f, "disabled");
        writeFixture(f.state.ParGenFile, "<Par_Gen><EtherCAT_Slave_Name>\xC3\x9C & co</EtherCAT_Slave_Name>"
                                         "<EtherCAT_Slave_Node_Address>4660</EtherCAT_Slave_Node_Address></Par_Gen>");
        f.prompter.answerSaveFile(qs((f.state.ProjectDir / "window.xml").string()));
        birch::EtherCAT_ESI_File(f.context, nullptr);

        QProcess cli;
        cli.start(QStringLiteral(BIRCH_CLI), {QStringLiteral("esi"), qs(f.state.ProjectDir.string()),
                                              QStringLiteral("-o"), qs((f.dir / "cli.xml").string())});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        const std::string window = readAll(f.state.ProjectDir / "window.xml");
        QVERIFY(window.find("<Name LcId=\"1033\">&#xDC; &amp; co</Name>") != std::string::npos);
        QCOMPARE(readAll(f.dir / "cli.xml"), window);
        QVERIFY(f.problems().isEmpty());
    }
};

QTEST_MAIN(EsiStepTest)
#include "esi_step_test.moc"
