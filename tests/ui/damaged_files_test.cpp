#include "FakeComPortLister.h"
#include "FakeEcho.h"
#include "UiFixture.h"

#include "app/TFMosaicFirmWare.h"
#include "image/TFBoot.h"
#include "image/TFUpdateDevice.h"
#include "lang/ExtraTextNumbers.h"
#include "nmea/TFNMEA_0183_Set_Access.h"
#include "nmea/TFNMEA_0183_Set_Access2.h"
#include "nmea/TFObjectsMapStep.h"
#include "params/TFParGen.h"
#include "platform/ChildReaper.h"
#include "profiles/TFEsiStep.h"
#include "profiles/TFEtherCATSlave.h"
#include "profiles/TFGsdmlStep.h"
#include "profiles/TFMQTT_Set_Topic.h"
#include "widgets/QtText.h"

#include <QDialog>
#include <QTest>

#include <filesystem>
#include <functional>
#include <iterator>

using namespace birch;
using namespace birch::test;

namespace fs = std::filesystem;

namespace {

// Broken at line 3, column 3: the end tag names another element.
const std::string kBroken = "<Root>\n<Inner>\n</Other>";
const QString kWhere =
    QStringLiteral("\nLine 3, column 3: an end tag does not match its start tag, or an element is never closed");

QString name(const fs::path& file)
{
    return qs(file.string());
}

class NoStarter final : public ProgramStarter {
public:
    ProgramRun Start_Program(const fs::path&, const std::string&, bool) override
    {
        return {std::string("not in this test"), {}};
    }
};

void showAndClose(UiFixture& f, QDialog& window)
{
    f.runner.then([](QDialog& d) { d.done(QDialog::Rejected); });
    f.context.modalRunner.run(window);
}

// Every place that reads a file the user may have broken. `open` damages the file, brings the
// product to read it and returns the message it must show.
struct DamagedCase {
    const char* place;
    std::function<QString(UiFixture&)> open;
};

const DamagedCase kCases[] = {
    {"settings at start-up",
     [](UiFixture& f) {
         writeFixture(f.dir / "Mosaic.xml", kBroken);
         ChildReaper reaper;
         SystemProgramLauncher launcher(reaper);
         TFMosaicFirmWare main(f.context, MainWindowServices(launcher));
         main.FormCreate({f.dir.path(), {}});
         const QString file = name(f.dir / "Mosaic.xml");
         return qs(f.state.Extra[ext::kFileCannotBeParsed]) + file + kWhere + QLatin1Char('\n') +
                qs(f.state.Extra[ext::kFileKeptAsBackup]) + file;
     }},
    {"language file at start-up",
     [](UiFixture& f) {
         writeFixture(f.dir / "Mosaic.xml",
                      "<Conf_Settings><lastlang><language>Big</language></lastlang></Conf_Settings>");
         const fs::path language = f.dir / "LANGUAGE" / "Big.lng";
         writeFixture(language, "STR0 = x\r\n");
         fs::resize_file(language, 16u * 1024u * 1024u + 1u);
         ChildReaper reaper;
         SystemProgramLauncher launcher(reaper);
         TFMosaicFirmWare main(f.context, MainWindowServices(launcher));
         main.FormCreate({f.dir.path(), {}});
         return qs(f.state.Extra[ext::kFileCannotBeRead]) + name(language) +
                QStringLiteral("\nthe file is larger than 16777216 bytes");
     }},
    {"parameter window",
     [](UiFixture& f) {
         writeFixture(f.state.ParGenFile, kBroken);
         TFParGen window(f.context);
         showAndClose(f, window);
         return qs(f.state.Extra[ext::kParGenNotLoaded]) + name(f.state.ParGenFile) + kWhere;
     }},
    {"rule editor",
     [](UiFixture& f) {
         writeFixture(f.state.NmeaAccessFile, kBroken);
         TFNMEA_0183_Set_Access2 window(f.context);
         showAndClose(f, window);
         const QString file = name(f.state.NmeaAccessFile);
         return qs(f.state.Extra[ext::kFileCannotBeParsed]) + file + kWhere + QLatin1Char('\n') +
                qs(f.state.Extra[ext::kFileKeptAsBackup]) + file;
     }},
    {"first-generation list",
     [](UiFixture& f) {
         writeFixture(f.state.NmeaAccessFile, kBroken);
         TFNMEA_0183_Set_Access window(f.context);
         showAndClose(f, window);
         const QString file = name(f.state.NmeaAccessFile);
         return qs(f.state.Extra[ext::kFileCannotBeParsed]) + file + kWhere + QLatin1Char('\n') +
                qs(f.state.Extra[ext::kFileKeptAsBackup]) + file;
     }},
    {"objects map",
     [](UiFixture& f) {
         writeFixture(f.state.NmeaAccessFile, kBroken);
         f.prompter.answerSaveFile(name(f.state.ProjectDir / "map.csv"));
         PROFINET_Map(f.context, nullptr);
         return qs(f.state.Extra[ext::kObjectsMapSourceMalformed]) + name(f.state.NmeaAccessFile) + kWhere;
     }},
    {"GSDML file",
     [](UiFixture& f) {
         writeFixture(f.state.NmeaAccessFile, kBroken);
         const std::string file = "GSDML-V2.25-Velmora-_Ship-20240305.xml";
         f.prompter.answerSaveFile(name(f.state.ProjectDir / file));
         Create_GSDML_File(f.context, nullptr, file);
         return qs(f.state.Extra[ext::kGsdmlSourceMalformed]) + name(f.state.NmeaAccessFile) + kWhere;
     }},
    {"MQTT topics",
     [](UiFixture& f) {
         writeFixture(f.state.MqttTopicFile, kBroken);
         TFMQTT_Set_Topic window(f.context);
         showAndClose(f, window);
         const QString file = name(f.state.MqttTopicFile);
         return qs(f.state.Extra[ext::kFileCannotBeParsed]) + file + kWhere + QLatin1Char('\n') +
                qs(f.state.Extra[ext::kFileKeptAsBackup]) + file;
     }},
    {"EtherCAT variables",
     [](UiFixture& f) {
         writeFixture(f.state.EtherCatSlaveFile, kBroken);
         TFEtherCATSlave window(f.context);
         showAndClose(f, window);
         const QString file = name(f.state.EtherCatSlaveFile);
         return qs(f.state.Extra[ext::kFileCannotBeParsed]) + file + kWhere + QLatin1Char('\n') +
                qs(f.state.Extra[ext::kFileKeptAsBackup]) + file;
     }},
    {"ESI file",
     [](UiFixture& f) {
         writeFixture(f.state.EtherCatSlaveFile, kBroken);
         f.prompter.answerSaveFile(name(f.state.ProjectDir / "device.xml"));
         EtherCAT_ESI_File(f.context, nullptr);
         return qs(f.state.Extra[ext::kEsiSourceMalformed]) + name(f.state.EtherCatSlaveFile) + kWhere;
     }},
    {"device image",
     [](UiFixture& f) {
         writeFixture(f.state.ParGenFile, kBroken);
         VirtualClock clock;
         FakeEchoTransport transport(clock);
         FakeComPortLister ports;
         NoStarter starter;
         TFBoot boot(f.context, EchoService{transport, clock}, ports, starter);
         Update_Device(f.context, boot, nullptr);
         return qs(f.state.Extra[ext::kImageSourceMalformed]) + name(f.state.ParGenFile) + kWhere;
     }},
};

} // namespace

class DamagedFilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void toldTheSameWayEverywhere_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kCases)); ++i)
            QTest::newRow(kCases[i].place) << i;
    }

    // One error box: what happened and the file, then where the file is broken, in plain words.
    void toldTheSameWayEverywhere()
    {
        QFETCH(int, index);
        UiFixture f;
        f.openProject("Ship");
        f.prompter.answer(Prompter::Answer::Ok);
        const QString expected = kCases[index].open(f);
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Error);
        QCOMPARE(f.prompter.prompts[0].buttons, Prompter::Buttons::Ok);
        QCOMPARE(f.prompter.prompts[0].text, expected);
        QVERIFY2(f.problems().isEmpty(), qPrintable(f.problems().join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(DamagedFilesTest)
#include "damaged_files_test.moc"
