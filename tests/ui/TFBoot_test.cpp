#include "FakeEcho.h"
#include "ImageTestData.h"
#include "UiFixture.h"

#include "app/TFMosaicFirmWare.h"
#include "image/TFBoot.h"
#include "image/TFUpdateDevice.h"
#include "image/UpdateDescription.h"
#include "lang/ExtraTextNumbers.h"
#include "platform/ChildReaper.h"
#include "widgets/EventLoopClock.h"
#include "widgets/ModalWaitDialog.h"
#include "widgets/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <csignal>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

using birch::Prompter;
using birch::TFBoot;
namespace test = birch::test;

namespace {

QStringList texts(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromLatin1(item);
    return list;
}

} // namespace

namespace {

class FixedComPorts final : public birch::ComPortLister {
public:
    std::vector<std::string> List_Com_Ports() const override { return ports; }
    std::vector<std::string> ports = {"1", "3"};
};

// Records what it was asked to start and answers as told: by default the program ran and ended
// with exit status 0.
class RecordingStarter final : public birch::ProgramStarter {
public:
    struct Call {
        std::filesystem::path program;
        std::string parameter;
        bool hidden;
    };
    birch::ProgramRun Start_Program(const std::filesystem::path& NomeSW, const std::string& Parameter,
                                    bool tipo) override
    {
        calls.push_back({NomeSW, Parameter, tipo});
        return result;
    }
    std::vector<Call> calls;
    birch::ProgramRun result{std::nullopt, {birch::ProgramWaitOutcome::Ended, {birch::ProgramExit::How::Exited, 0}}};
};

// The least a real starter does: spawn the file directly, wait for it to end.
class MinimalRealStarter final : public birch::ProgramStarter {
public:
    birch::ProgramRun Start_Program(const std::filesystem::path& NomeSW, const std::string&, bool) override
    {
        std::string program = NomeSW.string();
        char* argv[] = {program.data(), nullptr};
        char* envp[] = {nullptr};
        pid_t pid = -1;
        if (const int error = ::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp))
            return {std::string(std::strerror(error)), {}};
        int status = 0;
        ::waitpid(pid, &status, 0);
        return {std::nullopt,
                {birch::ProgramWaitOutcome::Ended, {birch::ProgramExit::How::Exited, WEXITSTATUS(status)}}};
    }
};

struct Harness {
    explicit Harness(birch::FileWriter* writer = nullptr)
        : context{fixture.state, fixture.prompter, fixture.urlOpener, fixture.runner,
                  writer ? *writer : static_cast<birch::FileWriter&>(fixture.fileWriter)},
          boot(context, birch::EchoService{transport, clock}, comPorts, starter)
    {
        fixture.openProject("Ship");
    }

    test::UiFixture fixture;
    birch::UiContext context;
    test::VirtualClock clock;
    test::FakeEchoTransport transport{clock};
    FixedComPorts comPorts;
    RecordingStarter starter;
    TFBoot boot;

    template <typename T> T* child(const char* name)
    {
        T* widget = boot.findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr)
            qFatal("no child %s", name);
        return widget;
    }
    QLineEdit* ip(int n) { return child<QLineEdit>(QStringLiteral("E_IP%1").arg(n).toLatin1().constData()); }
    void typeAddress(std::initializer_list<const char*> parts)
    {
        int n = 1;
        for (const char* part : parts) {
            ip(n)->clear();
            QTest::keyClicks(ip(n++), QString::fromLatin1(part));
        }
    }
    QString text(int n) const { return birch::qs(fixture.state.TextTable[n]); }
    QString extra(int n) const { return birch::qs(fixture.state.Extra[n]); }
    std::filesystem::path description() const { return fixture.state.AppDir / "Ethernet_Update.xml"; }
};

} // namespace

class TFBootTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ethernetModeLayout();
    void serialModeLayout();
    void usbModeShowsNoPanel();
    void lastAddressFillsTheBoxesOnlyWhenValid();
    void dotKeyMovesToTheNextBox();
    void enterInAFieldStartsNothing();
    void languageChangeRefillsOptions();
    void wholeStepCompilesChecksWritesAndStarts();
    void silentDeviceIsNotFound();
    void unusableAddressAsksToCheckIt();
    void noEchoPossibleSaysSo();
    void addressOutsideTheGuardSaysSo();
    void updaterThatCannotStartIsReported();
    void howTheUpdaterEndedIsTold_data();
    void howTheUpdaterEndedIsTold();
    void failingRealUpdaterIsReported_data();
    void failingRealUpdaterIsReported();
    void cancelStopsTheEchoCheck();
    void descriptionThatCannotBeWrittenStopsTheUpdate();
    void imageThatCannotBeWrittenKeepsTheDialogClosed();
    void malformedRuleFileKeepsTheDialogClosed();
    void rulesLeftOutAreToldBeforeTheDialog();
    void serialModeOnlyRemembersTheChoice();
    void realStandInUpdaterRuns();
    void realEchoAgainstLoopback();
    void screenshotForTheDocs();
};

void TFBootTest::ethernetModeLayout()
{
    Harness h;
    h.boot.Form_Type = 1;
    h.fixture.runner.then([&](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), h.text(802));
        QCOMPARE(h.child<QLabel>("L_SW_Desc")->text(), h.text(803));
        QCOMPARE(h.child<QLabel>("L_SW_Code")->text(), QStringLiteral("Birchcfg"));
        QVERIFY(h.child<QFrame>("P_IP_Address")->isVisible());
        QVERIFY(h.child<QFrame>("P_Options")->isVisible());
        QVERIFY(!h.child<QFrame>("P_Serial")->isVisible());
        QCOMPARE(dialog.width(), 449);
        const int panels = h.child<QFrame>("P_Title")->height() + h.child<QFrame>("P_IP_Address")->height() +
                           h.child<QFrame>("P_Options")->height() + h.child<QFrame>("P_Button")->height();
        QCOMPARE(dialog.height(), panels);
        QVERIFY(h.child<QFrame>("P_Title")->y() < h.child<QFrame>("P_IP_Address")->y());
        QVERIFY(h.child<QFrame>("P_IP_Address")->y() < h.child<QFrame>("P_Options")->y());
        auto* options = h.child<QComboBox>("CB_Update_Options");
        QCOMPARE(options->count(), 3);
        QCOMPARE(options->itemText(0), h.text(815));
        QCOMPARE(options->itemText(2), h.text(817));
        QCOMPARE(h.child<QCheckBox>("CB_Update_Option_Read_Back")->text(), h.text(818));
        QCOMPARE(h.child<QPushButton>("Btn_Update")->text(), h.text(820));
        QCOMPARE(h.ip(3)->toolTip(), h.text(823));
        QCOMPARE(dialog.focusWidget(), h.ip(1));
        QCOMPARE(h.ip(1)->nextInFocusChain(), h.ip(2));
        QCOMPARE(h.ip(4)->nextInFocusChain(), options);
        QTest::mouseClick(h.child<QPushButton>("Btn_Cancel"), Qt::LeftButton);
    });
    QCOMPARE(h.fixture.runner.run(h.boot), int(QDialog::Rejected));
    QVERIFY2(h.fixture.problems().isEmpty(), qPrintable(h.fixture.problems().join(QLatin1Char('\n'))));
}

void TFBootTest::serialModeLayout()
{
    Harness h;
    h.boot.Form_Type = 0;
    h.fixture.runner.then([&](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), h.text(800));
        QVERIFY(h.child<QFrame>("P_Serial")->isVisible());
        QVERIFY(!h.child<QFrame>("P_IP_Address")->isVisible());
        auto* ports = h.child<QComboBox>("CB_COM_Port");
        QCOMPARE(ports->count(), 2);
        QCOMPARE(ports->itemText(1), QStringLiteral("COM3"));
        QCOMPARE(ports->currentIndex(), 0);
        QCOMPARE(dialog.focusWidget(), ports);
        h.comPorts.ports = {"7"};
        QTest::mouseClick(h.child<QWidget>("Btn_COM_List"), Qt::LeftButton);
        QCOMPARE(ports->count(), 1);
        QCOMPARE(ports->currentText(), QStringLiteral("COM7"));
        dialog.reject();
    });
    h.fixture.runner.run(h.boot);
    QVERIFY(h.fixture.problems().isEmpty());
}

void TFBootTest::usbModeShowsNoPanel()
{
    Harness h;
    h.boot.Form_Type = 2;
    h.fixture.runner.then([&](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), h.text(804));
        for (const char* name : {"P_IP_Address", "P_Serial", "P_Options"})
            QVERIFY2(!h.child<QFrame>(name)->isVisible(), name);
        QTest::mouseClick(h.child<QPushButton>("Btn_Update"), Qt::LeftButton);
        QVERIFY(h.transport.requests.empty());
        dialog.reject();
    });
    h.fixture.runner.run(h.boot);
    QVERIFY(h.starter.calls.empty());
    QVERIFY(h.fixture.problems().isEmpty());
}

void TFBootTest::lastAddressFillsTheBoxesOnlyWhenValid()
{
    Harness h;
    h.boot.Form_Type = 1;
    const auto boxes = [&] { return QStringList{h.ip(1)->text(), h.ip(2)->text(), h.ip(3)->text(), h.ip(4)->text()}; };
    h.fixture.state.LastIpAddress = " 010.1.2.3 ";
    h.boot.show();
    QCOMPARE(boxes(), texts({"010", "1", "2", "3"}));
    h.boot.hide();
    // A part is shown whole, never cut to fit: "0010" cut to "001" would name another device.
    h.fixture.state.LastIpAddress = "10.0.0.0010";
    h.boot.show();
    QCOMPARE(boxes(), texts({"10", "0", "0", "0010"}));
    h.boot.hide();
    h.typeAddress({"10", "0", "0", "9"});
    for (const char* invalid : {"192.168.2.256", "192.168.2", ""}) {
        h.fixture.state.LastIpAddress = invalid;
        h.boot.show();
        QCOMPARE(boxes(), texts({"10", "0", "0", "9"}));
        h.boot.hide();
    }
}

void TFBootTest::dotKeyMovesToTheNextBox()
{
    Harness h;
    h.boot.Form_Type = 1;
    h.boot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.boot));
    h.typeAddress({"", "", "", ""});
    h.ip(1)->setFocus();
    QTest::keyClicks(h.ip(1), QStringLiteral("127."));
    QCOMPARE(h.ip(1)->text(), QStringLiteral("127"));
    QCOMPARE(h.boot.focusWidget(), h.ip(2));
    QTest::keyClicks(h.ip(2), QStringLiteral("0."));
    QTest::keyClicks(h.ip(3), QStringLiteral("0."));
    QCOMPARE(h.boot.focusWidget(), h.ip(4));
    QTest::keyClicks(h.ip(4), QStringLiteral("1."));
    QCOMPARE(h.ip(4)->text(), QStringLiteral("1"));
    QCOMPARE(h.boot.focusWidget(), h.ip(4));
    // When the next box cannot take focus, the focus stays and the dot is still swallowed.
    h.ip(3)->setEnabled(false);
    h.ip(2)->setFocus();
    QTest::keyClicks(h.ip(2), QStringLiteral("."));
    QCOMPARE(h.boot.focusWidget(), h.ip(2));
    QCOMPARE(h.ip(2)->text(), QStringLiteral("0"));
    // Any other text is taken as typed; the echo check judges the address.
    h.ip(1)->clear();
    QTest::keyClicks(h.ip(1), QStringLiteral("1000a"));
    QCOMPARE(h.ip(1)->text(), QStringLiteral("1000a"));
}

void TFBootTest::enterInAFieldStartsNothing()
{
    Harness h;
    h.boot.Form_Type = 1;
    h.boot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.boot));
    h.typeAddress({"127", "0", "0", "1"});
    for (QWidget* field : std::initializer_list<QWidget*>{h.ip(4), h.child<QComboBox>("CB_Update_Options"),
                                                          h.child<QCheckBox>("CB_Update_Option_Read_Back")}) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(h.boot.isVisible());
    }
    QVERIFY(h.transport.requests.empty());
    QVERIFY(h.starter.calls.empty());
    QVERIFY(h.fixture.prompter.prompts.isEmpty());
    h.boot.hide();
}

void TFBootTest::languageChangeRefillsOptions()
{
    Harness h;
    h.boot.Form_Type = 1;
    h.fixture.state.UpdateOptionIndex = 2;
    h.boot.show();
    auto* options = h.child<QComboBox>("CB_Update_Options");
    QCOMPARE(options->currentIndex(), 2);
    h.fixture.state.TextTable.set(816, "Solo firmware");
    h.fixture.state.TextTable.set(802, "Aggiorna");
    h.boot.Set_Lang();
    QCOMPARE(options->itemText(1), QStringLiteral("Solo firmware"));
    QCOMPARE(options->currentIndex(), 0);
    QCOMPARE(h.boot.windowTitle(), QStringLiteral("Aggiorna"));
}

void TFBootTest::wholeStepCompilesChecksWritesAndStarts()
{
    Harness h;
    auto& state = h.fixture.state;
    std::filesystem::remove_all(state.ProjectDir / "bin");
    test::writeFixture(state.ParGenFile, test::rs485ParGen());
    test::writeFixture(state.NmeaAccessFile, test::rulesXml({test::rule(), test::rule({{"Position", "9"}})}));
    h.transport.reply();
    h.transport.reply();
    h.fixture.prompter.answer(Prompter::Answer::Ok);
    QStringList waitTexts;
    h.transport.onSend = [&] {
        for (auto* wait : h.boot.findChildren<birch::ModalWaitDialog*>())
            if (wait->isVisible() && wait->isModal())
                waitTexts << wait->findChild<QLabel*>()->text();
    };
    h.fixture.runner.then([&](QDialog& dialog) {
        QCOMPARE(h.boot.Form_Type, 1);
        h.typeAddress({"127", "0", "0", "1"});
        h.child<QComboBox>("CB_Update_Options")->setCurrentIndex(2);
        h.child<QCheckBox>("CB_Update_Option_Read_Back")->setChecked(false);
        QTest::mouseClick(h.child<QPushButton>("Btn_Update"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(h.boot.ping_res(), 1);
        QTest::mouseClick(h.child<QPushButton>("Btn_Cancel"), Qt::LeftButton);
    });
    QVERIFY(birch::Update_Device(h.context, h.boot, nullptr));

    const std::string image = test::readAll(state.ProjectDir / "bin" / "bank.bin");
    QCOMPARE(image.size(), std::size_t(3584));
    QCOMPARE(int(image[0x25C]), 2);
    QCOMPARE(h.transport.requests.size(), std::size_t(2));
    QCOMPARE(waitTexts, QStringList(2, h.extra(birch::ext::kCheckingDevice)));
    QCOMPARE(h.transport.requests[0].address, (birch::Ipv4Address{127, 0, 0, 1}));
    birch::UpdateRequest expected{"127.0.0.1", 2, false, state.MasterDir, state.ProjectDir};
    QCOMPARE(test::readAll(h.description()), birch::Compile_XML_Parameter(expected));
    QCOMPARE(h.starter.calls.size(), std::size_t(1));
    QCOMPARE(h.starter.calls[0].program, state.AppDir / "Ethernet_Update.exe");
    QCOMPARE(h.starter.calls[0].parameter, std::string());
    QCOMPARE(h.starter.calls[0].hidden, false);
    QCOMPARE(state.LastIpAddress, std::string("127.0.0.1"));
    QCOMPARE(state.UpdateOptionIndex, 2);
    QCOMPARE(state.ReadBackOption, false);
    QCOMPARE(h.fixture.prompter.prompts.size(), 1);
    QCOMPARE(h.fixture.prompter.prompts[0].kind, Prompter::Kind::Information);
    QCOMPARE(h.fixture.prompter.prompts[0].text, h.extra(birch::ext::kUpdaterFinished));
    QVERIFY2(h.fixture.problems().isEmpty(), qPrintable(h.fixture.problems().join(QLatin1Char('\n'))));

    // The next opening restores the choice.
    h.fixture.runner.then([&](QDialog& dialog) {
        QCOMPARE(h.child<QComboBox>("CB_Update_Options")->currentIndex(), 2);
        QVERIFY(!h.child<QCheckBox>("CB_Update_Option_Read_Back")->isChecked());
        dialog.reject();
    });
    QVERIFY(birch::Update_Device(h.context, h.boot, nullptr));
}

void TFBootTest::silentDeviceIsNotFound()
{
    Harness h;
    h.boot.Form_Type = 1;
    h.transport.reply();
    h.boot.show();
    h.typeAddress({"127", "0", "0", "2"});
    h.child<QComboBox>("CB_Update_Options")->setCurrentIndex(1);
    h.fixture.prompter.answer(Prompter::Answer::Ok);
    const auto start = h.clock.now();
    QTest::mouseClick(h.child<QPushButton>("Btn_Update"), Qt::LeftButton);
    QVERIFY(h.clock.now() - start > std::chrono::milliseconds(5000));
    QCOMPARE(h.fixture.prompter.prompts.size(), 1);
    QCOMPARE(h.fixture.prompter.prompts[0].kind, Prompter::Kind::Warning);
    QCOMPARE(h.fixture.prompter.prompts[0].text, h.text(836));
    QCOMPARE(h.fixture.state.LastIpAddress, std::string("192.168.2.205"));
    QCOMPARE(h.fixture.state.UpdateOptionIndex, 0);
    QVERIFY(!std::filesystem::exists(h.description()));
    QVERIFY(h.starter.calls.empty());
    QVERIFY(h.boot.isVisible());
    QVERIFY(h.fixture.problems().isEmpty());
}

void TFBootTest::unusableAddressAsksToCheckIt()
{
    Harness h;
    h.boot.Form_Type = 1;
    h.boot.show();
    h.typeAddress({"127", "x", "0", "1"});
    h.fixture.prompter.answer(Prompter::Answer::Ok);
    QTest::mouseClick(h.child<QPushButton>("Btn_Update"), Qt::LeftButton);
    QCOMPARE(h.fixture.prompter.prompts.size(), 1);
    QCOMPARE(h.fixture.prompter.prompts[0].kind, Prompter::Kind::Error);
    QCOMPARE(h.fixture.prompter.prompts[0].text, h.text(837));
    QVERIFY(h.transport.requests.empty());
    QCOMPARE(h.boot.ping_res(), 0);
    QVERIFY(h.fixture.problems().isEmpty());
}

void TFBootTest::noEchoPossibleSaysSo()
{
    Harness h;
    h.boot.Form_Type = 1;
    h.transport.refusal = birch::EchoTransport::SendFailure{birch::EchoTransport::SendFailure::Kind::CannotSend,
                                                            "raw ICMP socket: Operation not permitted"};
    h.boot.show();
    h.typeAddress({"127", "0", "0", "1"});
    h.fixture.prompter.answer(Prompter::Answer::Ok);
    QTest::mouseClick(h.child<QPushButton>("Btn_Update"), Qt::LeftButton);
    QCOMPARE(h.fixture.prompter.prompts.size(), 1);
    QCOMPARE(h.fixture.prompter.prompts[0].kind, Prompter::Kind::Error);
    QVERIFY(h.fixture.prompter.prompts[0].text.startsWith(h.extra(birch::ext::kEchoUnavailable)));
    QVERIFY(h.fixture.prompter.prompts[0].text.endsWith(QStringLiteral("Operation not permitted")));
    QVERIFY(h.fixture.prompter.prompts[0].text.contains(QStringLiteral("ping_group_range")));
    QVERIFY(h.fixture.problems().isEmpty());
}

// The loopback guard's refusal (what every transport of the machine answers under it, see the
// transport tests): the user is told why instead of how to allow echoes. A fake stands in, so the
// address is never sent to.
void TFBootTest::addressOutsideTheGuardSaysSo()
{
    test::UiFixture fixture;
    fixture.openProject("Ship");
    test::VirtualClock clock;
    test::FakeEchoTransport transport{clock};
    transport.refusal =
        birch::EchoTransport::SendFailure{birch::EchoTransport::SendFailure::Kind::OutsideReach, "BIRCH_LOOPBACK_ONLY"};
    FixedComPorts comPorts;
    RecordingStarter starter;
    TFBoot boot(fixture.context, birch::EchoService{transport, clock}, comPorts, starter);
    boot.Form_Type = 1;
    fixture.state.LastIpAddress = "192.168.2.205";
    boot.show();
    fixture.prompter.answer(Prompter::Answer::Ok);
    QTest::mouseClick(boot.findChild<QPushButton*>(QStringLiteral("Btn_Update")), Qt::LeftButton);
    QCOMPARE(fixture.prompter.prompts.size(), 1);
    const auto& prompt = fixture.prompter.prompts[0];
    QCOMPARE(prompt.kind, Prompter::Kind::Error);
    QCOMPARE(prompt.text,
             birch::qs(fixture.state.Extra[birch::ext::kEchoOutsideReach]) + QStringLiteral("192.168.2.205"));
    QVERIFY(prompt.text.contains(QStringLiteral("BIRCH_LOOPBACK_ONLY")));
    QVERIFY(!prompt.text.contains(QStringLiteral("ping_group_range")));
    QVERIFY(starter.calls.empty());
    QVERIFY(fixture.problems().isEmpty());
}

void TFBootTest::updaterThatCannotStartIsReported()
{
    Harness h;
    h.boot.Form_Type = 1;
    h.transport.reply();
    h.transport.reply();
    h.starter.result.notStarted = "No such file or directory";
    h.boot.show();
    h.typeAddress({"127", "0", "0", "1"});
    h.fixture.prompter.answer(Prompter::Answer::Ok);
    QTest::mouseClick(h.child<QPushButton>("Btn_Update"), Qt::LeftButton);
    QCOMPARE(h.fixture.prompter.prompts.size(), 1);
    const auto& prompt = h.fixture.prompter.prompts[0];
    QCOMPARE(prompt.kind, Prompter::Kind::Error);
    QVERIFY(prompt.text.startsWith(h.extra(birch::ext::kUpdaterNotStarted)));
    QVERIFY(prompt.text.contains(QStringLiteral("Ethernet_Update.exe")));
    QVERIFY(std::filesystem::exists(h.description()));
    QCOMPARE(h.fixture.state.LastIpAddress, std::string("127.0.0.1"));
    QVERIFY(h.fixture.problems().isEmpty());
}

Q_DECLARE_METATYPE(birch::ProgramRun)
Q_DECLARE_METATYPE(birch::Prompter::Kind)

void TFBootTest::howTheUpdaterEndedIsTold_data()
{
    using birch::ProgramExit;
    using birch::ProgramWaitOutcome;
    using Run = birch::ProgramRun;
    QTest::addColumn<Run>("run");
    QTest::addColumn<Prompter::Kind>("kind");
    QTest::addColumn<int>("text");
    QTest::addColumn<QString>("detail");
    QTest::newRow("exit status 0") << Run{std::nullopt, {ProgramWaitOutcome::Ended, {ProgramExit::How::Exited, 0}}}
                                   << Prompter::Kind::Information << birch::ext::kUpdaterFinished << QString();
    QTest::newRow("exit status 2") << Run{std::nullopt, {ProgramWaitOutcome::Ended, {ProgramExit::How::Exited, 2}}}
                                   << Prompter::Kind::Error << birch::ext::kUpdaterFailed << QStringLiteral("2");
    QTest::newRow("killed") << Run{std::nullopt, {ProgramWaitOutcome::Ended, {ProgramExit::How::Signalled, SIGKILL}}}
                            << Prompter::Kind::Error << birch::ext::kUpdaterSignalled << QStringLiteral("9 (SIGKILL)");
    QTest::newRow("end not known") << Run{std::nullopt, {ProgramWaitOutcome::Ended, {}}} << Prompter::Kind::Warning
                                   << birch::ext::kUpdaterEndUnknown << QString();
    QTest::newRow("still running at the limit")
        << Run{std::nullopt, {ProgramWaitOutcome::LeftRunning, {}}} << Prompter::Kind::Warning
        << birch::ext::kUpdaterStillRunning << QStringLiteral("Ethernet_Update.exe");
    QTest::newRow("wait cancelled") << Run{std::nullopt, {ProgramWaitOutcome::Cancelled, {}}} << Prompter::Kind::Warning
                                    << birch::ext::kUpdaterStillRunning << QStringLiteral("Ethernet_Update.exe");
}

void TFBootTest::howTheUpdaterEndedIsTold()
{
    QFETCH(birch::ProgramRun, run);
    QFETCH(Prompter::Kind, kind);
    QFETCH(int, text);
    QFETCH(QString, detail);
    Harness h;
    h.boot.Form_Type = 1;
    h.transport.reply();
    h.transport.reply();
    h.starter.result = run;
    h.boot.show();
    h.typeAddress({"127", "0", "0", "1"});
    h.fixture.prompter.answer(Prompter::Answer::Ok);
    QTest::mouseClick(h.child<QPushButton>("Btn_Update"), Qt::LeftButton);
    QCOMPARE(h.starter.calls.size(), std::size_t(1));
    QCOMPARE(h.fixture.prompter.prompts.size(), 1);
    QCOMPARE(h.fixture.prompter.prompts[0].kind, kind);
    QVERIFY(h.fixture.prompter.prompts[0].text.startsWith(h.extra(text)));
    QVERIFY(h.fixture.prompter.prompts[0].text.endsWith(detail));
    QVERIFY(h.boot.isVisible());
    QVERIFY(h.fixture.problems().isEmpty());
}

void TFBootTest::failingRealUpdaterIsReported_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("told");
    QTest::newRow("exit status 4") << QStringLiteral("exit 4")
                                   << birch::qs(birch::ExtraTexts()[birch::ext::kUpdaterFailed]) + QStringLiteral("4");
    QTest::newRow("killed") << QStringLiteral("kill -KILL $$")
                            << birch::qs(birch::ExtraTexts()[birch::ext::kUpdaterSignalled]) +
                                   QStringLiteral("9 (SIGKILL)");
}

// The main window's own wait, with a stand-in updater that fails.
void TFBootTest::failingRealUpdaterIsReported()
{
    QFETCH(QString, body);
    QFETCH(QString, told);
    test::UiFixture fixture;
    fixture.openProject("Ship");
    birch::ChildReaper reaper;
    birch::SystemProgramLauncher launcher(reaper);
    birch::TFMosaicFirmWare main(fixture.context, birch::MainWindowServices(launcher));
    test::VirtualClock clock;
    test::FakeEchoTransport transport{clock};
    transport.reply();
    transport.reply();
    FixedComPorts comPorts;
    TFBoot boot(fixture.context, birch::EchoService{transport, clock}, comPorts, main);
    const auto updater = fixture.state.AppDir / "Ethernet_Update.exe";
    test::writeFixture(updater, "#!/bin/sh\n" + birch::ss(body) + "\n");
    ::chmod(updater.c_str(), 0755);
    fixture.state.LastIpAddress = "127.0.0.1";
    boot.Form_Type = 1;
    boot.show();
    fixture.prompter.answer(Prompter::Answer::Ok);
    QTest::mouseClick(boot.findChild<QPushButton*>(QStringLiteral("Btn_Update")), Qt::LeftButton);
    QCOMPARE(fixture.prompter.prompts.size(), 1);
    QCOMPARE(fixture.prompter.prompts[0].kind, Prompter::Kind::Error);
    QCOMPARE(fixture.prompter.prompts[0].text, told);
    QVERIFY(!launcher.abandonedStillRunning());
    QVERIFY2(fixture.problems().isEmpty(), qPrintable(fixture.problems().join(QLatin1Char('\n'))));
}

void TFBootTest::cancelStopsTheEchoCheck()
{
    Harness h;
    h.boot.Form_Type = 1;
    h.boot.show();
    h.typeAddress({"127", "0", "0", "2"});
    // The device stays silent; the user gives up at the first request.
    h.transport.onSend = [&] {
        for (auto* wait : h.boot.findChildren<birch::ModalWaitDialog*>())
            if (wait->isVisible())
                QTest::mouseClick(wait->findChild<QPushButton*>(QStringLiteral("Btn_Cancel")), Qt::LeftButton);
    };
    const auto start = h.clock.now();
    QTest::mouseClick(h.child<QPushButton>("Btn_Update"), Qt::LeftButton);
    QVERIFY(h.clock.now() - start < std::chrono::milliseconds(400));
    QCOMPARE(h.transport.requests.size(), std::size_t(1));
    QCOMPARE(h.transport.finished, 1);
    QVERIFY(h.fixture.prompter.prompts.isEmpty());
    QVERIFY(!std::filesystem::exists(h.description()));
    QVERIFY(h.starter.calls.empty());
    QCOMPARE(h.fixture.state.LastIpAddress, std::string("192.168.2.205"));
    QVERIFY(h.boot.isVisible());
    for (auto* wait : h.boot.findChildren<birch::ModalWaitDialog*>())
        QVERIFY(!wait->isVisible());
    QVERIFY(h.fixture.problems().isEmpty());
}

void TFBootTest::descriptionThatCannotBeWrittenStopsTheUpdate()
{
    test::FailingFileWriter failing("read-only folder");
    Harness h(&failing);
    h.boot.Form_Type = 1;
    h.transport.reply();
    h.transport.reply();
    h.boot.show();
    h.typeAddress({"127", "0", "0", "1"});
    h.fixture.prompter.answer(Prompter::Answer::Ok);
    QTest::mouseClick(h.child<QPushButton>("Btn_Update"), Qt::LeftButton);
    QCOMPARE(h.fixture.prompter.prompts.size(), 1);
    QVERIFY(h.fixture.prompter.prompts[0].text.startsWith(h.extra(birch::ext::kDescriptionNotWritten)));
    QVERIFY(h.fixture.prompter.prompts[0].text.endsWith(QStringLiteral("read-only folder")));
    QVERIFY(h.starter.calls.empty());
    QVERIFY(h.fixture.problems().isEmpty());
}

void TFBootTest::imageThatCannotBeWrittenKeepsTheDialogClosed()
{
    test::FailingFileWriter failing("disk full");
    Harness h(&failing);
    h.fixture.prompter.answer(Prompter::Answer::Ok);
    QVERIFY(!birch::Update_Device(h.context, h.boot, nullptr));
    QCOMPARE(h.fixture.prompter.prompts.size(), 1);
    const auto& prompt = h.fixture.prompter.prompts[0];
    QCOMPARE(prompt.kind, Prompter::Kind::Error);
    QVERIFY(prompt.text.startsWith(h.extra(birch::ext::kImageNotWritten)));
    QVERIFY(prompt.text.contains(QStringLiteral("bank.bin")));
    QVERIFY(h.fixture.runner.shown.isEmpty());
    QVERIFY(h.fixture.problems().isEmpty());
}

// Unparsable, or with no NMEA_Listener under its first node: the same answer as `compile` gives.
void TFBootTest::malformedRuleFileKeepsTheDialogClosed()
{
    for (const char* rules : {"<NMEA_0183><NMEA_Listener>", "<NMEA_0183/>",
                              "<!DOCTYPE NMEA_0183><NMEA_0183><NMEA_Listener/></NMEA_0183>"}) {
        Harness h;
        test::writeFixture(h.fixture.state.NmeaAccessFile, rules);
        h.fixture.prompter.answer(Prompter::Answer::Ok);
        QVERIFY2(!birch::Update_Device(h.context, h.boot, nullptr), rules);
        QCOMPARE(h.fixture.prompter.prompts.size(), 1);
        QVERIFY2(h.fixture.prompter.prompts[0].text.startsWith(h.extra(birch::ext::kImageSourceMalformed)), rules);
        QVERIFY(h.fixture.prompter.prompts[0].text.contains(QStringLiteral("NMEA_0183_Set_Access.xml")));
        QVERIFY(h.fixture.runner.shown.isEmpty());
        QVERIFY(!std::filesystem::exists(h.fixture.state.ProjectDir / "bin" / "bank.bin"));
    }
}

void TFBootTest::rulesLeftOutAreToldBeforeTheDialog()
{
    Harness h;
    test::writeFixture(h.fixture.state.ParGenFile, test::rs485ParGen());
    test::writeFixture(h.fixture.state.NmeaAccessFile, test::rulesXml(std::vector<std::string>(133, test::rule())));
    h.fixture.prompter.answer(Prompter::Answer::Ok);
    h.fixture.runner.then([&](QDialog& dialog) {
        QCOMPARE(h.fixture.prompter.prompts.size(), 1);
        dialog.reject();
    });
    QVERIFY(birch::Update_Device(h.context, h.boot, nullptr));
    QCOMPARE(h.fixture.prompter.prompts[0].kind, Prompter::Kind::Warning);
    QCOMPARE(h.fixture.prompter.prompts[0].text, h.extra(birch::ext::kImageRulesLeftOut) + QStringLiteral("5"));
    QVERIFY(h.fixture.problems().isEmpty());
}

void TFBootTest::serialModeOnlyRemembersTheChoice()
{
    Harness h;
    h.boot.Form_Type = 0;
    h.boot.show();
    h.child<QComboBox>("CB_Update_Options")->setCurrentIndex(1);
    h.child<QCheckBox>("CB_Update_Option_Read_Back")->setChecked(false);
    QTest::mouseClick(h.child<QPushButton>("Btn_Update"), Qt::LeftButton);
    QCOMPARE(h.fixture.state.UpdateOptionIndex, 1);
    QCOMPARE(h.fixture.state.ReadBackOption, false);
    QVERIFY(h.transport.requests.empty());
    QVERIFY(h.starter.calls.empty());
    QVERIFY(!std::filesystem::exists(h.description()));
}

void TFBootTest::realStandInUpdaterRuns()
{
    test::UiFixture fixture;
    fixture.openProject("Ship");
    test::VirtualClock clock;
    test::FakeEchoTransport transport{clock};
    transport.reply();
    transport.reply();
    FixedComPorts comPorts;
    MinimalRealStarter starter;
    TFBoot boot(fixture.context, birch::EchoService{transport, clock}, comPorts, starter);
    const auto marker = fixture.state.AppDir / "updater-ran";
    const auto updater = fixture.state.AppDir / "Ethernet_Update.exe";
    test::writeFixture(updater,
                       "#!/bin/sh\ncat \"$(dirname \"$0\")/Ethernet_Update.xml\" > \"" + marker.string() + "\"\n");
    ::chmod(updater.c_str(), 0755);
    fixture.state.LastIpAddress = "127.0.0.1";
    fixture.prompter.answer(Prompter::Answer::Ok);
    fixture.runner.then([&](QDialog& dialog) {
        QTest::mouseClick(boot.findChild<QPushButton*>(QStringLiteral("Btn_Update")), Qt::LeftButton);
        dialog.reject();
    });
    QVERIFY(birch::Update_Device(fixture.context, boot, nullptr));
    // The stand-in found the description beside itself and read it.
    QVERIFY(test::readAll(marker).find("<IP_Address_Dev>127.0.0.1</IP_Address_Dev>") != std::string::npos);
    QCOMPARE(fixture.prompter.prompts.size(), 1);
    QCOMPARE(fixture.prompter.prompts[0].text, birch::qs(fixture.state.Extra[birch::ext::kUpdaterFinished]));
    QVERIFY2(fixture.problems().isEmpty(), qPrintable(fixture.problems().join(QLatin1Char('\n'))));
}

// The machine's own transports and an event-loop clock, against 127.0.0.1 only.
void TFBootTest::realEchoAgainstLoopback()
{
    test::UiFixture fixture;
    fixture.openProject("Ship");
    const auto transport = birch::makeSystemEchoTransport();
    birch::EventLoopClock clock;
    FixedComPorts comPorts;
    RecordingStarter starter;
    TFBoot boot(fixture.context, birch::EchoService{*transport, clock}, comPorts, starter);
    boot.Form_Type = 1;
    fixture.state.LastIpAddress = "127.0.0.1";
    fixture.prompter.answer(Prompter::Answer::Ok);
    boot.show();
    QTest::mouseClick(boot.findChild<QPushButton*>(QStringLiteral("Btn_Update")), Qt::LeftButton);
    // Any prompt but the updater's notice means the echo could not be sent from this machine.
    QCOMPARE(fixture.prompter.prompts.size(), 1);
    if (starter.calls.empty())
        QSKIP(qPrintable(QStringLiteral("this machine sends no echo: ") + fixture.prompter.prompts[0].text));
    QCOMPARE(boot.ping_res(), 1);
    QCOMPARE(starter.calls.size(), std::size_t(1));
    QVERIFY(std::filesystem::exists(fixture.state.AppDir / "Ethernet_Update.xml"));
}

// Writes docs/update.png when BIRCH_SCREENSHOT_DIR names a folder.
void TFBootTest::screenshotForTheDocs()
{
    const QString folder = qEnvironmentVariable("BIRCH_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("BIRCH_SCREENSHOT_DIR is not set");
    Harness h;
    h.boot.Form_Type = 1;
    h.fixture.state.LastIpAddress = "192.168.2.205";
    h.boot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.boot));
    QVERIFY(h.boot.grab().save(folder + QStringLiteral("/update.png")));
}

QTEST_MAIN(TFBootTest)
#include "TFBoot_test.moc"
