#include "UiFixture.h"

#include "lang/ExtraTextNumbers.h"

#include "params/ParGenFile.h"
#include "params/TFParGen.h"
#include "widgets/CollapsibleGroup.h"
#include "widgets/CollapsibleGroupStack.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <memory>

using namespace birch;
using birch::test::readAll;
using birch::test::writeFixture;

namespace {

template <class T = QWidget> T* child(const QWidget& window, const char* name)
{
    return window.findChild<T*>(QString::fromLatin1(name));
}

QLineEdit* edit(const QWidget& window, const char* name)
{
    return child<QLineEdit>(window, name);
}

QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

QStringList shownTitles(const QWidget& window)
{
    QStringList titles;
    for (const CollapsibleGroup* group : child<CollapsibleGroupStack>(window, "CPG")->shownGroups())
        titles << group->title();
    return titles;
}

// The widget Tab moves to from `widget`: the next one in the chain that can take focus.
// Lets every pending layout of the window take effect.
void settle()
{
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

// The group ends one margin below `last`: no shown row below it and no room left empty.
bool endsWith(const CollapsibleGroup* group, const QWidget* last)
{
    settle();
    return last->mapTo(group, QPoint(0, last->height())).y() + group->grid().contentsMargins().bottom() ==
           group->height();
}

// `below` is on the row right under the one of `above`, in the same group: no shown row between.
bool directlyBelow(const QWidget* above, const QWidget* below)
{
    settle();
    const QWidget* body = above->parentWidget();
    const int gap = below->mapTo(body, QPoint()).y() - above->mapTo(body, QPoint(0, above->height())).y();
    return gap >= 0 && gap <= 8;
}

QWidget* nextTabStop(QWidget* widget)
{
    for (QWidget* next = widget->nextInFocusChain(); next != widget; next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled())
            return next;
    return nullptr;
}

// Types each character into whichever edit holds the focus at that moment.
void typeIntoFocus(QWidget& window, const QString& text)
{
    for (const QChar c : text)
        QTest::keyClicks(window.focusWidget(), QString(c));
}

// Check boxes span their row but take clicks on their box and caption only.
void click(const QWidget& window, const char* name)
{
    QWidget* target = child(window, name);
    const QPoint at =
        qobject_cast<QCheckBox*>(target) != nullptr ? QPoint(8, target->height() / 2) : target->rect().center();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
}

const QStringList kBirchDefaultTitles = {QStringLiteral("1. Ethernet Connection"), QStringLiteral("2. Modbus Slave"),
                                         QStringLiteral("3.  RS485 1 "), QStringLiteral("4.  RS485 2 "),
                                         QStringLiteral("5. Ethernet")};

} // namespace

class TFParGenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::UiFixture> f;

    std::filesystem::path parGenFile() const { return f->state.ParGenFile; }
    QString lastPrompt() const { return f->prompter.prompts.isEmpty() ? QString() : f->prompter.prompts.last().text; }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<test::UiFixture>();
        f->openProject("Ship");
    }

    void cleanup()
    {
        QVERIFY2(f->problems().isEmpty(), qPrintable(f->problems().join(QStringLiteral("; "))));
        f.reset();
    }

    void defaultsShowFiveNumberedGroupsWithoutRS232()
    {
        TFParGen window(f->context);
        f->runner.then([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Set Communication"));
            QCOMPARE(d.width(), TFParGen::kClientWidth);
            QCOMPARE(child<QLabel>(d, "L_SW_Code")->text(), QStringLiteral("Birchcfg"));
            QCOMPARE(shownTitles(d), kBirchDefaultTitles);
            QVERIFY(child(d, "CP_RS232")->isHidden());
            QCOMPARE(edit(d, "E_Ethernet_IP1")->text(), QStringLiteral("192"));
            QCOMPARE(edit(d, "E_ModbusSlave_IDDevice")->text(), QStringLiteral("10"));
            QCOMPARE(child<QComboBox>(d, "CB_ModbusSlave_Baudrate")->currentText(), QStringLiteral("115200"));
            QCOMPARE(child<QComboBox>(d, "CB_RS485_1_Stop_Bits")->currentText(), QStringLiteral("1 bit"));
            QVERIFY(!child<QComboBox>(d, "CB_RS485_1_Baud")->isEditable());

            // Stacked without gaps, each group as high as its last shown row plus header and margin.
            const auto groups = child<CollapsibleGroupStack>(d, "CPG")->shownGroups();
            d.layout()->activate();
            child<CollapsibleGroupStack>(d, "CPG")->widget()->layout()->activate();
            for (qsizetype i = 1; i < groups.size(); ++i)
                QCOMPARE(groups[i]->y(), groups[i - 1]->y() + groups[i - 1]->height());
            QWidget* gat4 = edit(d, "E_Ethernet_GAT4");
            QVERIFY(endsWith(child<CollapsibleGroup>(d, "CP_Ethernet"), gat4));
            QVERIFY(child(d, "E_Ethernet_TCP_Port")->isHidden());

            // Tab order follows the numbering, then OK and Cancel.
            QCOMPARE(nextTabStop(child(d, "CB_ModbusSlave_ReadInput")), child(d, "CB_RS485_1_Enable"));
            QCOMPARE(nextTabStop(child(d, "CB_RS485_2_Stop_Bits")), child(d, "E_Ethernet_IP1"));
            QCOMPARE(nextTabStop(gat4), child(d, "Btn_OK"));
            click(d, "Btn_Cancel");
        });
        QCOMPARE(f->context.modalRunner.run(window), int(QDialog::Rejected));
        QVERIFY(f->prompter.prompts.isEmpty());
        QVERIFY(!std::filesystem::exists(parGenFile()));
    }

    void switchingTheModbusPortRenumbersAtOnce()
    {
        TFParGen window(f->context);
        f->prompter.answer(Prompter::Answer::Yes);
        f->runner.then([](QDialog& d) {
            auto* serial = child<QComboBox>(d, "CB_ModbusSlave_Serial");
            QTest::keyClick(serial, Qt::Key_Down);
            QTest::keyClick(serial, Qt::Key_Down);
            QCOMPARE(serial->currentText(), QStringLiteral("RS485 2"));
            QCOMPARE(shownTitles(d), (QStringList{QStringLiteral("1. Ethernet Connection"),
                                                  QStringLiteral("2. Modbus Slave"), QStringLiteral("3.  RS232 "),
                                                  QStringLiteral("4.  RS485 1 "), QStringLiteral("5. Ethernet")}));
            QVERIFY(child(d, "CP_RS485_2")->isHidden());
            QCOMPARE(nextTabStop(child(d, "CB_ModbusSlave_ReadInput")), child(d, "CB_RS232_Enable"));
            QTest::keyClick(serial, Qt::Key_Up);
            QCOMPARE(shownTitles(d).mid(2, 2),
                     (QStringList{QStringLiteral("3.  RS232 "), QStringLiteral("4.  RS485 2 ")}));
            click(d, "Btn_Cancel");
        });
        f->context.modalRunner.run(window);
        QCOMPARE(f->prompter.prompts.size(), 1);
        QCOMPARE(lastPrompt(), QStringLiteral("Do you want to exit without saving changes?"));
    }

    void cableDhcpGreysTheAddressButKeepsValidatingAndSavingIt()
    {
        TFParGen window(f->context);
        f->prompter.answer(Prompter::Answer::Ok);
        f->runner.then([](QDialog& d) {
            const QStringList greyed = strings({"E_Ethernet_IP1", "E_Ethernet_IP4", "E_Ethernet_SM1", "E_Ethernet_SM4",
                                                "CB_Ethernet_En_GAT", "E_Ethernet_GAT1", "E_Ethernet_GAT4"});
            for (const QString& name : greyed)
                QVERIFY(d.findChild<QWidget*>(name)->isEnabled());
            edit(d, "E_Ethernet_IP1")->setText(QStringLiteral("300"));
            click(d, "CB_EthConn_En_DHCP_Cable");
            for (const QString& name : greyed)
                QVERIFY2(!d.findChild<QWidget*>(name)->isEnabled(), qPrintable(name));
            QVERIFY(edit(d, "E_EthConn_Pri_DNS_IP1")->isEnabled());
            QVERIFY(child(d, "CB_EthConn_En_DHCP_WiFi")->isEnabled());
            QCOMPARE(edit(d, "E_Ethernet_IP2")->text(), QStringLiteral("168"));

            // Refused although greyed out; the focus and the scroll position stay.
            edit(d, "E_ModbusSlave_IDDevice")->setFocus();
            auto* scroll = child<CollapsibleGroupStack>(d, "CPG")->verticalScrollBar();
            scroll->setValue(40);
            child<QPushButton>(d, "Btn_OK")->click();
            QVERIFY(d.isVisible());
            QCOMPARE(d.focusWidget(), child(d, "E_ModbusSlave_IDDevice"));
            QCOMPARE(scroll->value(), 40);

            edit(d, "E_Ethernet_IP1")->setText(QStringLiteral("10"));
            click(d, "Btn_OK");
        });
        QCOMPARE(f->context.modalRunner.run(window), int(QDialog::Accepted));
        QCOMPARE(f->prompter.prompts.first().text,
                 QStringLiteral("Error Ethernet!! IP Address 1 must be between 0 and 255"));
        QCOMPARE(f->prompter.prompts.first().kind, Prompter::Kind::Error);
        const TParGen saved = LoadParGen(parGenFile()).record;
        QVERIFY(saved.Eth_Conn_DHCP_Cable);
        QCOMPARE(saved.Ethernet_IP1, std::string("10"));
    }

    void gatewayBytesFollowOnlyTheDhcpBox()
    {
        TFParGen window(f->context);
        f->runner.then([](QDialog& d) {
            QVERIFY(!child<QCheckBox>(d, "CB_Ethernet_En_GAT")->isChecked());
            QVERIFY(edit(d, "E_Ethernet_GAT1")->isEnabled());
            click(d, "CB_Ethernet_En_GAT");
            QVERIFY(child<QCheckBox>(d, "CB_Ethernet_En_GAT")->isChecked());
            QVERIFY(edit(d, "E_Ethernet_GAT1")->isEnabled());
            click(d, "CB_Ethernet_En_GAT");
            QVERIFY(edit(d, "E_Ethernet_GAT1")->isEnabled());
            // The port's enable box leaves its lists alone.
            click(d, "CB_RS485_1_Enable");
            QVERIFY(!child<QCheckBox>(d, "CB_RS485_1_Enable")->isChecked());
            QVERIFY(child(d, "CB_RS485_1_Baud")->isEnabled());
            d.done(QDialog::Rejected);
        });
        f->context.modalRunner.run(window);
    }

    void dotMovesToTheNextByteWithItsTextSelected()
    {
        TFParGen window(f->context);
        f->prompter.answer(Prompter::Answer::Yes);
        f->runner.then([](QDialog& d) {
            auto* ip1 = edit(d, "E_Ethernet_IP1");
            edit(d, "E_Ethernet_IP2")->setText(QStringLiteral("1"));
            edit(d, "E_Ethernet_IP3")->setText(QStringLiteral("2"));
            edit(d, "E_Ethernet_IP4")->setText(QStringLiteral("3"));
            ip1->setFocus();
            ip1->clear();
            typeIntoFocus(d, QStringLiteral("192.168.0.10"));
            QCOMPARE(ip1->text(), QStringLiteral("192"));
            QCOMPARE(edit(d, "E_Ethernet_IP2")->text(), QStringLiteral("168"));
            QCOMPARE(edit(d, "E_Ethernet_IP3")->text(), QStringLiteral("0"));
            QCOMPARE(edit(d, "E_Ethernet_IP4")->text(), QStringLiteral("10"));

            // On through the mask to the gateway, which ends the chain.
            typeIntoFocus(d, QStringLiteral("."));
            QCOMPARE(d.focusWidget(), child(d, "E_Ethernet_SM1"));
            QCOMPARE(edit(d, "E_Ethernet_SM1")->selectedText(), QStringLiteral("255"));
            typeIntoFocus(d, QStringLiteral("...."));
            QCOMPARE(d.focusWidget(), child(d, "E_Ethernet_GAT1"));
            typeIntoFocus(d, QStringLiteral("...."));
            QCOMPARE(d.focusWidget(), child(d, "E_Ethernet_GAT4"));
            QCOMPARE(edit(d, "E_Ethernet_GAT4")->text(), QStringLiteral("1"));

            // Primary DNS runs into the secondary one; its last byte drops the dot.
            edit(d, "E_EthConn_Pri_DNS_IP4")->setFocus();
            typeIntoFocus(d, QStringLiteral("."));
            QCOMPARE(d.focusWidget(), child(d, "E_EthConn_Sec_DNS_IP1"));
            edit(d, "E_EthConn_Sec_DNS_IP4")->setFocus();
            typeIntoFocus(d, QStringLiteral("."));
            QCOMPARE(d.focusWidget(), child(d, "E_EthConn_Sec_DNS_IP4"));
            QCOMPARE(edit(d, "E_EthConn_Sec_DNS_IP4")->text(), QStringLiteral("4"));

            // No move into an edit that cannot take focus; other characters go in unfiltered.
            edit(d, "E_Ethernet_IP2")->setEnabled(false);
            ip1->setFocus();
            ip1->clear();
            typeIntoFocus(d, QStringLiteral("1x.-"));
            QCOMPARE(d.focusWidget(), ip1);
            QCOMPARE(ip1->text(), QStringLiteral("1x-"));
            click(d, "Btn_Cancel");
        });
        f->context.modalRunner.run(window);
    }

    void cancelDiscardsAndTheNextShowReadsTheFile()
    {
        writeFixture(parGenFile(), "<Par_Gen><Ethernet_IP1>10</Ethernet_IP1></Par_Gen>");
        TFParGen window(f->context);
        f->prompter.answer(Prompter::Answer::Yes);
        f->runner.then([](QDialog& d) {
            QCOMPARE(edit(d, "E_Ethernet_IP1")->text(), QStringLiteral("10"));
            QTest::keyClicks(edit(d, "E_Ethernet_IP1"), QStringLiteral("7"));
            click(d, "Btn_Cancel");
        });
        f->runner.then([](QDialog& d) {
            QCOMPARE(edit(d, "E_Ethernet_IP1")->text(), QStringLiteral("10"));
            QVERIFY(!static_cast<TFParGen&>(d).isChanged());
            click(d, "Btn_Cancel");
        });
        QCOMPARE(f->context.modalRunner.run(window), int(QDialog::Rejected));
        QCOMPARE(f->context.modalRunner.run(window), int(QDialog::Rejected));
        QCOMPARE(f->prompter.prompts.size(), 1);
        QCOMPARE(readAll(parGenFile()), std::string("<Par_Gen><Ethernet_IP1>10</Ethernet_IP1></Par_Gen>"));
    }

    void enterInAFieldNeitherSavesNorCloses_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::newRow("device name, Return") << QStringLiteral("E_EthConn_Device_Name") << int(Qt::Key_Return);
        QTest::newRow("ID device, keypad Enter") << QStringLiteral("E_ModbusSlave_IDDevice") << int(Qt::Key_Enter);
        QTest::newRow("IP byte") << QStringLiteral("E_Ethernet_IP4") << int(Qt::Key_Return);
        QTest::newRow("baud list") << QStringLiteral("CB_ModbusSlave_Baudrate") << int(Qt::Key_Return);
        QTest::newRow("check box") << QStringLiteral("CB_ModbusSlave_ReadInput") << int(Qt::Key_Return);
    }

    void enterInAFieldNeitherSavesNorCloses()
    {
        QFETCH(QString, field);
        QFETCH(int, key);
        TFParGen window(f->context);
        f->runner.then([&](QDialog& d) {
            QWidget* control = d.findChild<QWidget*>(field);
            control->setFocus();
            QTest::keyClick(control, Qt::Key(key));
            QVERIFY(d.isVisible());
            QCOMPARE(d.focusWidget(), control);
            click(d, "Btn_Cancel");
        });
        QCOMPARE(f->context.modalRunner.run(window), int(QDialog::Rejected));
        QVERIFY(!std::filesystem::exists(parGenFile()));
        QVERIFY(f->prompter.prompts.isEmpty());
    }

    // A refused value takes the focus, its group opened and scrolled into view when it was
    // collapsed or out of sight; nothing is written.
    void refusedValueTakesTheFocus()
    {
        struct Case {
            const char* label;
            std::function<void(QDialog&)> edit;
            const char* group;
            const char* control;
            const char* message;
        };
        const Case cases[] = {
            {"primary DNS byte 3",
             [](QDialog& d) {
                 click(d, "CB_EthConn_Enable_DNS");
                 edit(d, "E_EthConn_Pri_DNS_IP3")->setText(QStringLiteral("x"));
             },
             "CP_Ethernet_Connection", "E_EthConn_Pri_DNS_IP3", "Error Primary DNS!! DNS 3 must be between 0 and 255"},
            {"two stop bits with parity",
             [](QDialog& d) {
                 child<QComboBox>(d, "CB_ModbusSlave_StopBits")->setCurrentIndex(1);
                 child<QComboBox>(d, "CB_ModbusSlave_Parity")->setCurrentIndex(2);
             },
             "CP_Modbus_Slave", "CB_ModbusSlave_StopBits",
             "Error Modbus Slave!! Two Stop Bits can be selected only with None Parity"},
            {"ID device", [](QDialog& d) { edit(d, "E_ModbusSlave_IDDevice")->setText(QStringLiteral("0")); },
             "CP_Modbus_Slave", "E_ModbusSlave_IDDevice", "Error Modbus Slave!! ID Device must be between 1 and 247"},
            {"empty IP byte 3", [](QDialog& d) { edit(d, "E_Ethernet_IP3")->clear(); }, "CP_Ethernet", "E_Ethernet_IP3",
             "Error Ethernet!! IP Address 3 must be between 0 and 255"},
            {"gateway byte 4",
             [](QDialog& d) {
                 click(d, "CB_Ethernet_En_GAT");
                 edit(d, "E_Ethernet_GAT4")->setText(QStringLiteral("999"));
             },
             "CP_Ethernet", "E_Ethernet_GAT4", "Error Ethernet!! Gateway IP 4 must be between 0 and 255"},
        };
        for (const Case& c : cases) {
            for (const bool collapsed : {false, true}) {
                const QString label =
                    QString::fromLatin1(c.label) + (collapsed ? QStringLiteral(", collapsed") : QString());
                TFParGen window(f->context);
                f->prompter.answer(Prompter::Answer::Ok);
                f->prompter.answer(Prompter::Answer::Yes);
                f->runner.then([&](QDialog& d) {
                    c.edit(d);
                    auto* group = child<CollapsibleGroup>(d, c.group);
                    group->setCollapsed(collapsed);
                    auto* stack = child<CollapsibleGroupStack>(d, "CPG");
                    stack->widget()->layout()->activate();
                    // Out of sight: the stack scrolled as far from the group as it goes.
                    QScrollBar* scroll = stack->verticalScrollBar();
                    scroll->setValue(group->y() > stack->viewport()->height() ? 0 : scroll->maximum());
                    child(d, "Btn_Cancel")->setFocus();
                    click(d, "Btn_OK");
                    QVERIFY2(d.isVisible(), qPrintable(label));
                    QWidget* control = child(d, c.control);
                    QVERIFY2(d.focusWidget() == control, qPrintable(label));
                    QVERIFY2(!group->isCollapsed(), qPrintable(label));
                    const QRect shown(control->mapTo(stack->viewport(), QPoint(0, 0)), control->size());
                    QVERIFY2(stack->viewport()->rect().contains(shown), qPrintable(label));
                    click(d, "Btn_Cancel");
                });
                QCOMPARE(f->context.modalRunner.run(window), int(QDialog::Rejected));
                QCOMPARE(lastPrompt(), QStringLiteral("Do you want to exit without saving changes?"));
                QCOMPARE(f->prompter.prompts[f->prompter.prompts.size() - 2].text, QString::fromUtf8(c.message));
                QVERIFY(!std::filesystem::exists(parGenFile()));
            }
        }
    }

    void okWritesExactlyWhatWasShown()
    {
        writeFixture(parGenFile(), "<Other><RS232_PARITY>even</RS232_PARITY><Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>"
                                   "<MODBUS_SLAVE_SERIAL>7</MODBUS_SLAVE_SERIAL><BACnet_Type>2</BACnet_Type>"
                                   "<MODBUS_SLAVE_IDDEVICE>12</MODBUS_SLAVE_IDDEVICE></Other>");
        TFParGen window(f->context);
        f->runner.then([](QDialog& d) {
            QVERIFY(child<QCheckBox>(d, "CB_EthConn_En_DHCP_WiFi")->isChecked());
            QCOMPARE(child<QComboBox>(d, "CB_ModbusSlave_Serial")->currentText(), QStringLiteral("RS232"));
            QCOMPARE(shownTitles(d), kBirchDefaultTitles);
            QCOMPARE(child<QComboBox>(d, "CB_RS232_Parity")->currentText(), QStringLiteral("EVEN"));
            QVERIFY(!static_cast<TFParGen&>(d).isChanged());
            click(d, "Btn_OK");
        });
        QCOMPARE(f->context.modalRunner.run(window), int(QDialog::Accepted));
        TParGen expected;
        expected.RS232_PARITY = 2;
        expected.Eth_Conn_DHCP_WiFi = true;
        expected.MODBUS_SLAVE_IDDEVICE = "12";
        QCOMPARE(readAll(parGenFile()), ParGenXml(expected));
    }

    // The 31-character limit holds for typing; a longer name already in the file is shown and
    // written back whole rather than cut short without the user noticing.
    void longStoredDeviceNameIsKeptWhole()
    {
        const std::string name(40, 'n');
        writeFixture(parGenFile(), "<Par_Gen><Eth_Conn_Device_Name>" + name + "</Eth_Conn_Device_Name></Par_Gen>");
        TFParGen window(f->context);
        f->runner.then([&name](QDialog& d) {
            QCOMPARE(edit(d, "E_EthConn_Device_Name")->text(), QString::fromStdString(name));
            click(d, "Btn_OK");
        });
        QCOMPARE(f->context.modalRunner.run(window), int(QDialog::Accepted));
        TParGen expected;
        expected.Eth_Conn_Device_Name = name;
        QCOMPARE(readAll(parGenFile()), ParGenXml(expected));

        // A shorter name brings the typing limit back.
        writeFixture(parGenFile(), "<Par_Gen/>");
        f->runner.then([](QDialog& d) {
            QLineEdit* nameEdit = edit(d, "E_EthConn_Device_Name");
            nameEdit->setFocus();
            QTest::keyClicks(nameEdit, QString(35, QLatin1Char('x')));
            QCOMPARE(nameEdit->text().size(), 31);
            click(d, "Btn_Cancel");
        });
        f->prompter.answer(Prompter::Answer::Yes);
        QCOMPARE(f->context.modalRunner.run(window), int(QDialog::Rejected));
    }

    void leavingAsksOnlyAfterARealEdit()
    {
        TFParGen window(f->context);
        f->runner.then([](QDialog& d) {
            static_cast<TFParGen&>(d).Set_Lang();
            static_cast<TFParGen&>(d).Order_TAB_Panels();
            static_cast<TFParGen&>(d).Move_GroupBoxs();
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        f->context.modalRunner.run(window);
        QVERIFY(f->prompter.prompts.isEmpty());

        f->prompter.answer(Prompter::Answer::No);
        f->prompter.answer(Prompter::Answer::Yes);
        f->runner.then([](QDialog& d) {
            click(d, "CB_ModbusSlave_ReadInput");
            d.close();
            QVERIFY(d.isVisible());
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        QCOMPARE(f->context.modalRunner.run(window), int(QDialog::Rejected));
        QCOMPARE(f->prompter.prompts.size(), 2);
        QCOMPARE(f->prompter.prompts[0].buttons, Prompter::Buttons::YesNo);
        QCOMPARE(f->prompter.prompts[0].text, QStringLiteral("Do you want to exit without saving changes?"));
        QVERIFY(!std::filesystem::exists(parGenFile()));
    }

    void unparsableFileIsNamedOnceAndKeptAsBackupOnOk()
    {
        const std::string damaged = "<Par_Gen><RS232_BAUDRATE>9600</Par_Gen>";
        writeFixture(parGenFile(), damaged);
        TFParGen window(f->context);
        f->prompter.answer(Prompter::Answer::Ok);
        f->runner.then([](QDialog& d) {
            QCOMPARE(child<QComboBox>(d, "CB_RS485_1_Baud")->currentText(), QStringLiteral("4800"));
            QCOMPARE(shownTitles(d), kBirchDefaultTitles);
            click(d, "Btn_OK");
        });
        QCOMPARE(f->context.modalRunner.run(window), int(QDialog::Accepted));
        QCOMPARE(f->prompter.prompts.size(), 1);
        QVERIFY(lastPrompt().contains(QString::fromStdString(parGenFile().string())));
        QVERIFY(lastPrompt().startsWith(QString::fromStdString(f->state.Extra[ext::kParGenNotLoaded])));
        std::filesystem::path backup = parGenFile();
        backup += ".bak";
        QCOMPARE(readAll(backup), damaged);
        QCOMPARE(readAll(parGenFile()), ParGenXml(DefaultParGen()));
    }

    void failedWriteIsReportedAndTheWindowStays()
    {
        writeFixture(parGenFile(), "<Par_Gen/>");
        test::FailingFileWriter failing("no space left on device");
        UiContext context{f->state, f->prompter, f->urlOpener, f->runner, failing};
        TFParGen window(context);
        f->prompter.answer(Prompter::Answer::Ok);
        f->runner.then([](QDialog& d) {
            click(d, "Btn_OK");
            QVERIFY(d.isVisible());
            d.done(QDialog::Rejected);
        });
        f->context.modalRunner.run(window);
        QCOMPARE(failing.attempts.size(), std::size_t(1));
        QVERIFY(lastPrompt().contains(QStringLiteral("no space left on device")));
        QVERIFY(lastPrompt().contains(QString::fromStdString(parGenFile().string())));
        QCOMPARE(readAll(parGenFile()), std::string("<Par_Gen/>"));
    }

    void wheelOverTheStackScrollsInsteadOfChangingLists()
    {
        TFParGen window(f->context);
        f->runner.then([](QDialog& d) {
            auto* scroll = child<CollapsibleGroupStack>(d, "CPG")->verticalScrollBar();
            QVERIFY(scroll->maximum() > 0);
            auto* list = child<QComboBox>(d, "CB_ModbusSlave_Parity");
            const auto turn = [list](int angle) {
                const QPointF at(list->width() / 2.0, list->height() / 2.0);
                QWheelEvent wheel(at, list->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(list, &wheel);
            };
            turn(-120);
            QCOMPARE(scroll->value(), std::min(scroll->maximum(), QApplication::wheelScrollLines() * 28));
            QCOMPARE(list->currentIndex(), 0);
            turn(120);
            QCOMPARE(scroll->value(), 0);
            QVERIFY(!static_cast<TFParGen&>(d).isChanged());
            d.done(QDialog::Rejected);
        });
        f->context.modalRunner.run(window);
    }

    void widthStaysAndTheTopComesBackOnScreen()
    {
        TFParGen window(f->context);
        f->runner.then([](QDialog& d) {
            d.resize(600, 500);
            QCOMPARE(d.width(), TFParGen::kClientWidth);
            QCOMPARE(d.height(), 500);
            d.move(20, -150);
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(&d, &activate);
            QVERIFY(d.frameGeometry().top() >= 0);
            d.done(QDialog::Rejected);
        });
        f->context.modalRunner.run(window);
    }

    void setLangTakesTheCurrentTexts()
    {
        TFParGen window(f->context);
        f->state.TextTable.set(400, "Kommunikation");
        f->state.TextTable.set(1122, "Gerätename");
        f->state.TextTable.set(433, "Baudrate RS232");
        f->state.TextTable.set(1121, "Ethernet-Verbindung");
        window.Set_Lang();
        QCOMPARE(window.windowTitle(), QStringLiteral("Kommunikation"));
        QCOMPARE(child<QLabel>(window, "L_EthConn_Device_Name")->text(), QStringLiteral("Gerätename"));
        QCOMPARE(child(window, "CB_RS232_Baud")->toolTip(), QStringLiteral("Baudrate RS232"));
        // Group titles follow at the next show.
        QCOMPARE(child<CollapsibleGroup>(window, "CP_Ethernet_Connection")->title(),
                 QStringLiteral("1. Ethernet Connection"));
        f->runner.then([](QDialog& d) {
            QCOMPARE(child<CollapsibleGroup>(d, "CP_Ethernet_Connection")->title(),
                     QStringLiteral("1. Ethernet-Verbindung"));
            d.done(QDialog::Rejected);
        });
        f->context.modalRunner.run(window);
    }

    void collapsingAGroupMovesTheOnesBelow()
    {
        TFParGen window(f->context);
        f->runner.then([](QDialog& d) {
            auto* modbus = child<CollapsibleGroup>(d, "CP_Modbus_Slave");
            auto* stackContent = child<CollapsibleGroupStack>(d, "CPG")->widget();
            modbus->setCollapsed(true);
            stackContent->layout()->activate();
            QCOMPARE(modbus->height(), CollapsibleGroup::kHeaderHeight);
            QCOMPARE(child(d, "CP_RS485_1")->y(), modbus->y() + CollapsibleGroup::kHeaderHeight);
            QVERIFY(!child(d, "CB_ModbusSlave_Serial")->isVisible());
            modbus->setCollapsed(false);
            stackContent->layout()->activate();
            QCOMPARE(modbus->height(), modbus->sizeHint().height());
            QVERIFY(endsWith(modbus, child(d, "CB_ModbusSlave_ReadInput")));
            d.done(QDialog::Rejected);
        });
        f->context.modalRunner.run(window);
    }

    void siblingVariants_data()
    {
        QTest::addColumn<int>("profile");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("Alder") << int(DeviceProfile::Alder)
                               << strings({"1. Ethernet Connection", "2.  PROFINET ", "3.  RS232 ", "4.  RS485 1 ",
                                           "5.  RS485 2 "});
        QTest::newRow("Birch") << int(DeviceProfile::Birch) << kBirchDefaultTitles;
        QTest::newRow("Cedar") << int(DeviceProfile::Cedar)
                               << strings({"1. Ethernet Connection", "2. Modbus TCP Slave", "3.  RS232 ",
                                           "4.  RS485 1 ", "5.  RS485 2 "});
        QTest::newRow("Damson") << int(DeviceProfile::Damson)
                                << strings({"1. Ethernet Connection", "2. MQTT", "3. Serial",
                                            "4. TLS (Transport Layer Security)", "5. NTP (Network Time Protocol)",
                                            "6. Ethernet"});
        QTest::newRow("Elm") << int(DeviceProfile::Elm)
                             << strings({"1. Ethernet Connection", "2. EtherCAT Slave", "3. Ethernet", "4. Serial"});
    }

    void siblingVariants()
    {
        QFETCH(int, profile);
        QFETCH(QStringList, titles);
        TFParGen window(f->context);
        window.Order_TAB_Panels(DeviceProfile(profile));
        window.Move_GroupBoxs(DeviceProfile(profile));
        QCOMPARE(shownTitles(window), titles);
        // Only Elm's variant greys the Wi-Fi DHCP box.
        QCOMPARE(child(window, "CB_EthConn_En_DHCP_WiFi")->isEnabled(), DeviceProfile(profile) != DeviceProfile::Elm);
        QCOMPARE(edit(window, "E_PROFINET_Name_Station")->text(), QStringLiteral("devicename1"));
        QCOMPARE(edit(window, "E_PROFINET_Name_Station")->maxLength(), 15);
        QCOMPARE(edit(window, "E_ModbusTCPSlave_Port")->text(), QStringLiteral("502"));
        QCOMPARE(edit(window, "E_EtherCAT_Slave_Node_Address")->text(), QStringLiteral("0"));
        QCOMPARE(edit(window, "E_EthConn_Device_Name")->maxLength(), 31);
        QVERIFY(!window.isChanged());
    }

    void damsonMqttAndTlsRowsFollowTheirBoxes()
    {
        f->state.Profile = DeviceProfile::Damson;
        TFParGen window(f->context);
        f->prompter.answer(Prompter::Answer::Yes);
        f->runner.then([](QDialog& d) {
            auto* mqtt = child<CollapsibleGroup>(d, "CP_MQTT");
            const auto fitsTo = endsWith;
            QVERIFY(child(d, "E_MQTT_Will_TopicName")->isHidden());
            QVERIFY(child(d, "E_MQTT_ASync_Send_Time")->isHidden());
            QVERIFY(directlyBelow(child(d, "CB_MQTT_WillFlag"), child(d, "E_MQTT_Username")));
            QCOMPARE(child(d, "L_MQTT_Username")->geometry().center().y(),
                     child(d, "E_MQTT_Username")->geometry().center().y());
            QVERIFY(fitsTo(mqtt, child(d, "E_MQTT_Password")));
            click(d, "CB_MQTT_WillFlag");
            QVERIFY(!child(d, "CB_MQTT_Will_QoS")->isHidden());
            QVERIFY(directlyBelow(child(d, "CB_MQTT_Will_QoS"), child(d, "E_MQTT_Username")));
            QVERIFY(directlyBelow(child(d, "E_MQTT_Username"), child(d, "E_MQTT_Password")));
            QVERIFY(fitsTo(mqtt, child(d, "E_MQTT_Password")));

            auto* tls = child<CollapsibleGroup>(d, "CP_TLS");
            QVERIFY(child(d, "CB_TLS_En_Server_Auth")->isHidden());
            QVERIFY(fitsTo(tls, child(d, "CB_TLS_Enable")));
            click(d, "CB_TLS_Enable");
            QVERIFY(!child(d, "CB_TLS_En_Server_Auth")->isHidden());
            QVERIFY(child(d, "E_TLS_Server_Cert")->isHidden());
            QVERIFY(directlyBelow(child(d, "CB_TLS_En_Server_Auth"), child(d, "CB_TLS_En_Client_Auth")));
            QVERIFY(fitsTo(tls, child(d, "CB_TLS_En_Client_Auth")));
            click(d, "CB_TLS_En_Server_Auth");
            QVERIFY(!child(d, "E_TLS_Server_Cert")->isHidden());
            QVERIFY(directlyBelow(child(d, "E_TLS_Server_Cert"), child(d, "CB_TLS_En_Client_Auth")));
            click(d, "CB_TLS_En_Client_Auth");
            QVERIFY(directlyBelow(child(d, "CB_TLS_En_Client_Auth"), child(d, "E_TLS_Client_Cert")));
            QVERIFY(directlyBelow(child(d, "E_TLS_Client_Cert"), child(d, "E_TLS_Client_Cert_Key")));
            QVERIFY(directlyBelow(child(d, "E_TLS_Client_Cert_Key"), child(d, "E_TLS_Client_Cert_Key_Pass")));
            QVERIFY(fitsTo(tls, child(d, "E_TLS_Client_Cert_Key_Pass")));
            click(d, "Btn_Cancel");
        });
        f->context.modalRunner.run(window);
    }

    void siblingAddressesFollowCableDhcpAndDropDots()
    {
        f->state.Profile = DeviceProfile::Alder;
        TFParGen window(f->context);
        f->prompter.answer(Prompter::Answer::Yes);
        f->runner.then([](QDialog& d) {
            auto* ip1 = edit(d, "E_PROFINET_IP1");
            ip1->setFocus();
            typeIntoFocus(d, QStringLiteral("10."));
            QCOMPARE(d.focusWidget(), ip1);
            QCOMPARE(ip1->text(), QStringLiteral("10"));
            click(d, "CB_EthConn_En_DHCP_Cable");
            QVERIFY(!ip1->isEnabled());
            QVERIFY(!child(d, "CB_PROFINET_EN_GAT")->isEnabled());
            QVERIFY(child(d, "E_PROFINET_Num_Byte")->isEnabled());
            click(d, "Btn_Cancel");
        });
        f->context.modalRunner.run(window);
    }

    void screenshot()
    {
        const QByteArray folder = qgetenv("BIRCH_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set BIRCH_SCREENSHOT_DIR to write docs/parameters.png");
        writeFixture(parGenFile(), "<Par_Gen><Eth_Conn_Device_Name>birch-bridge</Eth_Conn_Device_Name>"
                                   "<MODBUS_SLAVE_IDDEVICE>12</MODBUS_SLAVE_IDDEVICE>"
                                   "<MODBUS_SLAVE_READ_INPUT_REGISTER>1</MODBUS_SLAVE_READ_INPUT_REGISTER>"
                                   "<RS485_1_ENABLE>1</RS485_1_ENABLE></Par_Gen>");
        TFParGen window(f->context);
        f->runner.then([&folder](QDialog& d) {
            settle();
            QVERIFY(d.grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/parameters.png")));
            click(d, "Btn_Cancel");
        });
        f->context.modalRunner.run(window);
    }
};

QTEST_MAIN(TFParGenTest)
#include "TFParGen_test.moc"
