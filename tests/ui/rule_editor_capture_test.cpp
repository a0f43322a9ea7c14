#include "RuleEditorDriver.h"

#include "nmea/RuleGrid.h"
#include "nmea/TFCaptureCheck.h"
#include "widgets/QtText.h"
#include "widgets/RowMarkDelegate.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

using birch::Prompter;
using birch::test::RuleEditorDriver;
using birch::test::ruleXml;
namespace RuleColumn = birch::RuleColumn;

namespace {

// ZDA and MTW on RS232, XDR transducer 2 on RS485 2, DPT on RS232.
const std::string kRules =
    birch::test::rulesFileXml(ruleXml("RS232", "ZDA", "hour [decimal]", "1") +
                              ruleXml("RS232", "MTW", "Water temperature, Number [floating point]", "2") +
                              ruleXml("RS485 2", "XDR", "Measurement data [floating point]", "6", "2") +
                              ruleXml("RS232", "DPT", "Offset from transducer [floating point]", "10"));

// RS232 at 9600 baud with even parity; RS485 1 carries the Modbus slave.
const std::string kParGen = "<Par_Gen><RS232_ENABLE>1</RS232_ENABLE><RS232_BAUDRATE>9600</RS232_BAUDRATE>"
                            "<RS232_PARITY>EVEN</RS232_PARITY><RS485_1_ENABLE>1</RS485_1_ENABLE>"
                            "<RS485_2_ENABLE>1</RS485_2_ENABLE><MODBUS_SLAVE_SERIAL>1</MODBUS_SLAVE_SERIAL></Par_Gen>";

QString fixture(const char* name)
{
    return birch::qs((std::filesystem::path(BIRCH_FIXTURES_DIR) / "capture" / name).string());
}

template <typename T> T& child(QWidget& parent, const char* name)
{
    auto* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no child %s", name);
    return *found;
}

void chooseChannel(QDialog& d, const QString& channel)
{
    auto& combo = child<QComboBox>(d, "CB_Channel");
    combo.setCurrentIndex(combo.findData(channel));
}

// Two pseudo-terminals joined by socat: what is written to one is read from the other.
class PtyPair {
public:
    explicit PtyPair(const birch::test::TempDir& dir)
        : device_(birch::qs((dir / "device").string())), talker_(birch::qs((dir / "talker").string()))
    {
        const QString socat = QStandardPaths::findExecutable(QStringLiteral("socat"));
        if (socat.isEmpty()) {
            problem_ = QStringLiteral("socat is not installed (scripts/install-deps.sh installs it)");
            return;
        }
        process_.start(socat, {QStringLiteral("pty,raw,echo=0,link=") + device_,
                               QStringLiteral("pty,raw,echo=0,link=") + talker_});
        for (int i = 0; i < 100 && !(QFile::exists(device_) && QFile::exists(talker_)); ++i)
            QTest::qWait(50);
        if (!QFile::exists(device_) || !QFile::exists(talker_))
            problem_ = QStringLiteral("socat made no pseudo-terminals: ") +
                       QString::fromLocal8Bit(process_.readAllStandardError());
    }
    ~PtyPair()
    {
        process_.terminate();
        process_.waitForFinished(5000);
    }

    const QString& problem() const { return problem_; }
    const QString& device() const { return device_; }

    // Writes the lines to the other end, a few milliseconds apart, as a talker does.
    void talk(const std::vector<std::string>& lines) const
    {
        const int fd = ::open(talker_.toLocal8Bit().constData(), O_WRONLY | O_NOCTTY);
        if (fd < 0)
            return;
        for (const std::string& line : lines) {
            const std::string sent = line + "\r\n";
            if (::write(fd, sent.data(), sent.size()) != static_cast<ssize_t>(sent.size()))
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ::close(fd);
    }

private:
    QString device_;
    QString talker_;
    QProcess process_;
    QString problem_;
};

} // namespace

class RuleEditorCaptureTest : public QObject, RuleEditorDriver {
    Q_OBJECT

private:
    static const birch::RowMark* verdict(Window& w, int row) { return w.captureVerdicts().mark(row - 1); }

private Q_SLOTS:
    void fileCheckMarksEachRowAndFollowsEdits()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(f.state.NmeaAccessFile, kRules);
        birch::test::writeFixture(f.state.ParGenFile, kParGen);
        Window w(f.context);
        f.prompter.answerOpenFile(fixture("timestamps.nmea"));
        QString result;
        QString restricted;
        show(f, w, [&](Window& w) {
            QVERIFY(verdict(w, 1) == nullptr);
            f.runner.then([&](QDialog& d) {
                // Listening needs one channel.
                QVERIFY(!child<QPushButton>(d, "Btn_Listen").isEnabled());
                click(d, "Btn_Browse");
                QCOMPARE(child<QLineEdit>(d, "E_File").text(), fixture("timestamps.nmea"));
                click(d, "Btn_CheckFile");
                result = child<QPlainTextEdit>(d, "M_Result").toPlainText();
                click(d, "Btn_OK");
            });
            click(w, "Btn_Capture");
            QVERIFY(verdict(w, 1) != nullptr && !verdict(w, 1)->hatched);
            QVERIFY2(verdict(w, 1)->tip.contains(QStringLiteral("Capture: seen (ZDA 10, 1.00/s)")),
                     qPrintable(verdict(w, 1)->tip));
            QVERIFY(!verdict(w, 2)->hatched);
            QVERIFY(verdict(w, 3)->hatched);
            QVERIFY(verdict(w, 3)->tip.startsWith(QStringLiteral("Capture: never seen (XDR 0")));
            QVERIFY(verdict(w, 4)->hatched);
            QVERIFY(verdict(w, 3)->colour != verdict(w, 1)->colour);
            QVERIFY(verdict(w, 5) == nullptr);
            // The verdicts follow the table: row 4 now asks for a sentence the capture holds.
            choose(w, 4, RuleColumn::Sentence, QStringLiteral("GSV"));
            QVERIFY(!verdict(w, 4)->hatched);
            QVERIFY(verdict(w, 4)->tip.contains(QStringLiteral("GSV 15, 1.75/s")));

            // Checked for RS232 alone, the RS485 2 rule carries no verdict.
            f.runner.then([&](QDialog& d) {
                QCOMPARE(child<QLineEdit>(d, "E_File").text(), fixture("timestamps.nmea"));
                chooseChannel(d, QStringLiteral("RS232"));
                QCOMPARE(child<QLabel>(d, "L_Settings").text(),
                         QStringLiteral("Settings from ParGen.xml: 9600, EVEN, 1 bit"));
                click(d, "Btn_CheckFile");
                restricted = child<QPlainTextEdit>(d, "M_Result").toPlainText();
                click(d, "Btn_OK");
            });
            click(w, "Btn_Capture");
            QVERIFY(verdict(w, 3) == nullptr);
            QVERIFY(verdict(w, 1) != nullptr);
            click(w, "Btn_Cancel");
        });
        QVERIFY2(result.contains(QStringLiteral("28 with a time stamp")), qPrintable(result));
        QVERIFY2(result.contains(QStringLiteral("never seen")), qPrintable(result));
        QVERIFY(result.contains(QStringLiteral("Sentence types no rule uses:")));
        QVERIFY(!restricted.contains(QStringLiteral("XDR")));
        QVERIFY(f.problems().isEmpty());
    }

    void anUnreadableCaptureIsTold()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(f.state.NmeaAccessFile, kRules);
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::Ok);
        const QString missing = birch::qs((f.state.ProjectDir / "none.nmea").string());
        show(f, w, [&](Window& w) {
            f.runner.then([&](QDialog& d) {
                child<QLineEdit>(d, "E_File").setText(missing);
                click(d, "Btn_CheckFile");
                QVERIFY(child<QPlainTextEdit>(d, "M_Result").toPlainText().isEmpty());
                click(d, "Btn_OK");
            });
            click(w, "Btn_Capture");
            QVERIFY(verdict(w, 1) == nullptr);
            click(w, "Btn_Cancel");
        });
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts[0].kind, Prompter::Kind::Error);
        QCOMPARE(f.prompter.prompts[0].text, QStringLiteral("The file cannot be read: ") + missing);
        QVERIFY(f.problems().isEmpty());
    }

    void listensToASerialPortWithTheChannelsSettings()
    {
        birch::test::TempDir ptys;
        const PtyPair pair(ptys);
        if (!pair.problem().isEmpty())
            QSKIP(qPrintable(pair.problem()));
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(f.state.NmeaAccessFile, kRules);
        birch::test::writeFixture(f.state.ParGenFile, kParGen);
        std::vector<std::string> lines;
        for (int i = 0; i < 12; ++i)
            lines.push_back(i % 4 == 3 ? "$IIMTW,18.5,C*1F" : "$GPZDA,120000.00,01,05,2024,00,00*65");
        lines.push_back("$GPZDA,120000.00,01,05,2024,00,00*66");
        Window w(f.context);
        QString result;
        QString termios;
        show(f, w, [&](Window& w) {
            f.runner.then([&](QDialog& d) {
                chooseChannel(d, QStringLiteral("RS232"));
                child<QComboBox>(d, "CB_Port").setEditText(pair.device());
                child<QSpinBox>(d, "SE_Seconds").setValue(3);
                std::thread talker;
                // Once the port is open and the wait runs: how the port is set, then the talker.
                QTimer::singleShot(300, &d, [&] {
                    QProcess stty;
                    stty.start(QStringLiteral("stty"), {QStringLiteral("-F"), pair.device(), QStringLiteral("-a")});
                    stty.waitForFinished(5000);
                    termios = QString::fromLocal8Bit(stty.readAllStandardOutput());
                    talker = std::thread([&] { pair.talk(lines); });
                });
                click(d, "Btn_Listen");
                if (talker.joinable())
                    talker.join();
                result = child<QPlainTextEdit>(d, "M_Result").toPlainText();
                click(d, "Btn_OK");
            });
            click(w, "Btn_Capture");
            QVERIFY(verdict(w, 1) != nullptr);
            QVERIFY2(verdict(w, 1)->tip.contains(QStringLiteral("(ZDA 9,")), qPrintable(verdict(w, 1)->tip));
            QVERIFY(!verdict(w, 2)->hatched);
            QVERIFY(verdict(w, 3) == nullptr);
            QVERIFY(verdict(w, 4)->hatched);
            click(w, "Btn_Cancel");
        });
        // The speed reaches the terminal; a pseudo-terminal keeps no parity, so the window's
        // settings line stands for it (checked with the capture file).
        QVERIFY2(termios.contains(QStringLiteral("speed 9600 baud")), qPrintable(termios));
        QVERIFY2(result.contains(QStringLiteral("13 sentences (1 with a wrong checksum")), qPrintable(result));
        QVERIFY(f.problems().isEmpty());
    }

    void aPortThatCannotBeOpenedIsTold()
    {
        birch::test::UiFixture f;
        f.openProject("Harbour");
        birch::test::writeFixture(f.state.NmeaAccessFile, kRules);
        Window w(f.context);
        f.prompter.answer(Prompter::Answer::Ok);
        show(f, w, [&](Window& w) {
            f.runner.then([&](QDialog& d) {
                chooseChannel(d, QStringLiteral("RS232"));
                child<QComboBox>(d, "CB_Port").setEditText(QStringLiteral("/nonexistent/ttyNMEA"));
                click(d, "Btn_Listen");
                QVERIFY(child<QPlainTextEdit>(d, "M_Result").toPlainText().isEmpty());
                click(d, "Btn_OK");
            });
            click(w, "Btn_Capture");
            QVERIFY(verdict(w, 1) == nullptr);
            click(w, "Btn_Cancel");
        });
        QCOMPARE(f.prompter.prompts.size(), 1);
        QVERIFY(f.prompter.prompts[0].text.startsWith(
            QStringLiteral("The serial port cannot be opened: /nonexistent/ttyNMEA\n")));
        QVERIFY(f.problems().isEmpty());
    }
};

QTEST_MAIN(RuleEditorCaptureTest)
#include "rule_editor_capture_test.moc"
