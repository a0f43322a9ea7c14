#include "app/TFNew_Project.h"
#include "app/TFWindows.h"
#include "lang/Language.h"
#include "platform/ChildReaper.h"
#include "platform/ProgramLauncher.h"

#include "FakeComPortLister.h"
#include "FakeEcho.h"
#include "UiFixture.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace birch;
using namespace birch::test;

// The real creation code: every window of a run, made by TFWindows as the program entry makes them.
class WindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> fixture;
    std::unique_ptr<ChildReaper> reaper;
    std::unique_ptr<SystemProgramLauncher> launcher;
    VirtualClock echoClock;
    FakeEchoTransport echoTransport{echoClock};
    FakeComPortLister comPorts;
    std::unique_ptr<TFWindows> windows;

    void create(StepWindowCreation when = StepWindowCreation::Now)
    {
        MainWindowServices mainServices(*launcher);
        windows = std::make_unique<TFWindows>(
            fixture->context, WindowServices{mainServices, {echoTransport, echoClock}, comPorts, {2026, 3, 5}},
            StartFolders{fixture->dir.path(), {}}, when);
    }

    static QStringList productOrder()
    {
        return {QStringLiteral("TFNew_Project"),
                QStringLiteral("TFOpenConf"),
                QStringLiteral("TFSoftOptions"),
                QStringLiteral("TFAbout"),
                QStringLiteral("TFParGen"),
                QStringLiteral("TFNMEA_0183_Set_Access"),
                QStringLiteral("TFProfinetFileName"),
                QStringLiteral("TFBoot"),
                QStringLiteral("TFNMEA_0183_Set_Access2"),
                QStringLiteral("TFMQTT_Set_Topic"),
                QStringLiteral("TFTopicTemplate"),
                QStringLiteral("TFEtherCATSlave")};
    }

    // The windows made after the main window, in the order they were made: each is created as
    // a child of the main window, and children keep the order in which they arrived.
    QStringList createdAfterMainWindow() const
    {
        QStringList names;
        for (const QObject* child : windows->mainWindow().children())
            if (const auto* dialog = qobject_cast<const QDialog*>(child))
                names << dialog->objectName();
        return names;
    }

private Q_SLOTS:
    void init()
    {
        fixture = std::make_unique<UiFixture>();
        reaper = std::make_unique<ChildReaper>();
        launcher = std::make_unique<SystemProgramLauncher>(*reaper);
    }

    void cleanup()
    {
        windows.reset();
        const QStringList problems = fixture->problems();
        fixture.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void windowsAreCreatedInTheProductsOrder()
    {
        create();
        QCOMPARE(windows->mainWindow().objectName(), QStringLiteral("TFMosaicFirmWare"));
        QCOMPARE(createdAfterMainWindow(), productOrder());
    }

    // As the program starts: the main window paints before the others exist, then they come in
    // the same order, reachable from its steps and following a language change.
    void windowsAfterTheFirstPaintComeInTheProductsOrder()
    {
        create(StepWindowCreation::AfterFirstPaint);
        QVERIFY(createdAfterMainWindow().isEmpty());
        QVERIFY(!windows->stepWindowsCreated());
        TFMosaicFirmWare& main = windows->mainWindow();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QTRY_VERIFY(windows->stepWindowsCreated());
        QCOMPARE(createdAfterMainWindow(), productOrder());
        QCOMPARE(main.languageAwareWindows().size(), std::size_t{11});
        QVERIFY(main.languageAwareWindows().front() == main.findChild<TFNew_Project*>());

        QString opened;
        fixture->runner.then([&opened](QDialog& dialog) {
            opened = dialog.objectName();
            dialog.reject();
        });
        QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("Btn_Info")), Qt::LeftButton);
        QCOMPARE(opened, QStringLiteral("TFAbout"));
    }

    // Every window but the About box follows a language change, in creation order.
    void languageChangeReachesEveryWindowInOrder()
    {
        create();
        QStringList order;
        for (LanguageAware* window : windows->mainWindow().languageAwareWindows())
            order << dynamic_cast<QWidget*>(window)->objectName();
        QCOMPARE(order, (QStringList{QStringLiteral("TFNew_Project"), QStringLiteral("TFOpenConf"),
                                     QStringLiteral("TFSoftOptions"), QStringLiteral("TFParGen"),
                                     QStringLiteral("TFNMEA_0183_Set_Access"), QStringLiteral("TFProfinetFileName"),
                                     QStringLiteral("TFBoot"), QStringLiteral("TFNMEA_0183_Set_Access2"),
                                     QStringLiteral("TFMQTT_Set_Topic"), QStringLiteral("TFTopicTemplate"),
                                     QStringLiteral("TFEtherCATSlave")}));

        writeFixture(fixture->state.LanguageDir / "Italiano.lng", "STR100 = Nuova configurazione\r\n"
                                                                  "STR200 = Apri configurazione\r\n"
                                                                  "STR300 = Opzioni\r\n"
                                                                  "STR400 = Parametri\r\n"
                                                                  "STR600 = Elenco NMEA 0183\r\n"
                                                                  "STR700 = Nome del file GSDML\r\n"
                                                                  "STR1000 = Regole NMEA 0183\r\n"
                                                                  "STR1300 = Argomenti MQTT\r\n"
                                                                  "STR1400 = Modello del messaggio\r\n"
                                                                  "STR1500 = Variabili EtherCAT\r\n");
        QVERIFY(!Switch_Language(fixture->state, "Italiano").has_value());
        windows->mainWindow().Change_Language();
        const auto title = [this](const char* name) {
            return windows->mainWindow().findChild<QDialog*>(QLatin1String(name))->windowTitle();
        };
        QCOMPARE(title("TFNew_Project"), QStringLiteral("Nuova configurazione"));
        QCOMPARE(title("TFOpenConf"), QStringLiteral("Apri configurazione"));
        QCOMPARE(title("TFSoftOptions"), QStringLiteral("Opzioni"));
        QCOMPARE(title("TFParGen"), QStringLiteral("Parametri"));
        QCOMPARE(title("TFNMEA_0183_Set_Access"), QStringLiteral("Elenco NMEA 0183"));
        QCOMPARE(title("TFProfinetFileName"), QStringLiteral("Nome del file GSDML"));
        QCOMPARE(title("TFNMEA_0183_Set_Access2"), QStringLiteral("Regole NMEA 0183"));
        QCOMPARE(title("TFMQTT_Set_Topic"), QStringLiteral("Argomenti MQTT"));
        QCOMPARE(title("TFTopicTemplate"), QStringLiteral("Modello del messaggio"));
        QCOMPARE(title("TFEtherCATSlave"), QStringLiteral("Variabili EtherCAT"));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
