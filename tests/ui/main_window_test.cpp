#include "app/TFMosaicFirmWare.h"
#include "app/TFNew_Project.h"
#include "app/TFOpenConf.h"
#include "image/TFBoot.h"
#include "lang/ExtraTextNumbers.h"
#include "lang/Language.h"
#include "platform/ChildReaper.h"
#include "platform/ProgramLauncher.h"
#include "profiles/TFProfinetFileName.h"

#include "FakeComPortLister.h"
#include "FakeEcho.h"
#include "UiFixture.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <memory>
#include <vector>

using namespace birch;
using namespace birch::test;

namespace {

void accept(QDialog& dialog)
{
    dialog.accept();
}

class LanguageLog final : public LanguageAware {
public:
    LanguageLog(QStringList& log, QString name) : log_(log), name_(std::move(name)) {}
    void Set_Lang() override { log_ << name_; }

private:
    QStringList& log_;
    QString name_;
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> fixture;
    std::unique_ptr<ChildReaper> reaper;
    std::unique_ptr<SystemProgramLauncher> launcher;
    std::unique_ptr<MainWindowServices> services;
    std::unique_ptr<TFMosaicFirmWare> window;
    std::unique_ptr<TFNew_Project> newProject;
    std::unique_ptr<TFOpenConf> openConf;
    test::VirtualClock echoClock;
    test::FakeEchoTransport echoTransport{echoClock};
    test::FakeComPortLister comPorts;
    std::unique_ptr<TFBoot> boot;
    std::unique_ptr<TFProfinetFileName> profinetFileName;
    std::vector<std::unique_ptr<QDialog>> stepDialogs;
    StepWindows steps;

    // Stands in for a step window of another subsystem.
    QDialog* stepDialog(const char* name)
    {
        stepDialogs.push_back(std::make_unique<QDialog>());
        stepDialogs.back()->setObjectName(QLatin1String(name));
        return stepDialogs.back().get();
    }

    void create()
    {
        window = std::make_unique<TFMosaicFirmWare>(fixture->context, *services);
        window->FormCreate({fixture->dir.path(), {}});
        newProject = std::make_unique<TFNew_Project>(fixture->context, window.get());
        openConf = std::make_unique<TFOpenConf>(fixture->context, window.get());
        steps.newProject = newProject.get();
        steps.openConf = openConf.get();
        steps.about = stepDialog("TFAbout");
        steps.options = stepDialog("TFSoftOptions");
        steps.parGen = stepDialog("TFParGen");
        steps.nmeaAccess2 = stepDialog("TFNMEA_0183_Set_Access2");
        steps.etherCatSlave = stepDialog("TFEtherCATSlave");
        steps.mqttSetTopic = stepDialog("TFMQTT_Set_Topic");
        boot = std::make_unique<TFBoot>(fixture->context, EchoService{echoTransport, echoClock}, comPorts, *window,
                                        window.get());
        steps.update = boot.get();
        profinetFileName =
            std::make_unique<TFProfinetFileName>(fixture->context, CalendarDate{2026, 3, 5}, window.get());
        steps.profinetFileName = profinetFileName.get();
        window->setStepWindows(steps);
        window->show();
    }

    template <typename T> T* child(const char* name) const
    {
        auto* found = window->findChild<T*>(QLatin1String(name));
        if (found == nullptr)
            qFatal("no control %s", name);
        return found;
    }

    void click(const char* button) const { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    QString text(int number) const { return QString::fromStdString(fixture->state.TextTable[number]); }
    QString settingsFile() const { return QString::fromStdString(readAll(fixture->dir.path() / "Mosaic.xml")); }

private Q_SLOTS:
    void init()
    {
        fixture = std::make_unique<UiFixture>();
        reaper = std::make_unique<ChildReaper>();
        launcher = std::make_unique<SystemProgramLauncher>(*reaper);
        services = std::make_unique<MainWindowServices>(*launcher);
    }

    void cleanup()
    {
        const QStringList problems = fixture->problems();
        boot.reset();
        profinetFileName.reset();
        openConf.reset();
        newProject.reset();
        window.reset();
        stepDialogs.clear();
        steps = StepWindows{};
        fixture.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // The picture buttons keep their size at the top right, left to right; the project's box sits
    // above the step buttons, which share one size and one left edge, one row below the other.
    void layoutKeepsTheBirchArrangement()
    {
        create();
        QWidget* previous = nullptr;
        for (const char* name : {"Btn_Info", "Btn_Opz", "Btn_Close"}) {
            auto* picture = child<QPushButton>(name);
            QCOMPARE(picture->size(), QSize(50, 50));
            QCOMPARE(picture->y(), 8);
            if (previous != nullptr)
                QVERIFY(picture->x() > previous->geometry().right());
            previous = picture;
        }
        QVERIFY(window->width() - previous->geometry().right() < 16);

        const QRect first = child<QPushButton>("Btn_New")->geometry();
        QVERIFY(first.width() >= 170 && first.height() >= 36);
        const QRect box = child<QFrame>("Shape2")->geometry();
        QCOMPARE(box.left(), first.left());
        QVERIFY(box.bottom() < first.top());
        QVERIFY(box.width() >= 428);
        const QRect open = child<QPushButton>("Btn_Open")->geometry();
        QCOMPARE(open.size(), first.size());
        QCOMPARE(open.top(), first.top());
        QVERIFY(open.left() > first.right());
        QRect above = first;
        for (const char* name : {"Btn_Prm_Gen", "Btn_NMEA0183_Access", "Btn_CreateBin"}) {
            const QRect step = child<QPushButton>(name)->geometry();
            QCOMPARE(step.size(), first.size());
            QCOMPARE(step.left(), first.left());
            QVERIFY(step.top() > above.bottom());
            above = step;
        }
        const QRect line = child<QFrame>("Shape1")->geometry();
        QVERIFY(line.top() > above.bottom());
        QVERIFY(line.width() > window->width() * 9 / 10);
    }

    // The step buttons share the widest caption's width; the window grows to hold them.
    void stepButtonsShareTheWidestCaption()
    {
        create();
        const QString wide = QStringLiteral("Edit the access definitions of every NMEA 0183 sentence");
        writeFixture(fixture->state.LanguageDir / "Wide.lng", "STR21 = " + wide.toStdString() + "\r\n");
        QVERIFY(!Switch_Language(fixture->state, "Wide").has_value());
        window->Change_Language();
        auto* widest = child<QPushButton>("Btn_NMEA0183_Access");
        QCOMPARE(widest->text(), wide);
        QVERIFY(widest->width() >= widest->sizeHint().width());
        QVERIFY(widest->width() > 170);
        for (const char* name : {"Btn_New", "Btn_Open", "Btn_Prm_Gen", "Btn_CreateBin"})
            QCOMPARE(child<QPushButton>(name)->width(), widest->width());
        QVERIFY(child<QPushButton>("Btn_Open")->geometry().right() < window->width());
        QVERIFY(window->width() > 694);

        // A hidden step of another profile does not widen the shown ones.
        writeFixture(fixture->state.LanguageDir / "Wide.lng", "STR27 = " + wide.toStdString() + " and more\r\n");
        QVERIFY(!Switch_Language(fixture->state, "Wide").has_value());
        window->Change_Language();
        QCOMPARE(child<QPushButton>("Btn_New")->width(), 170);
    }

    void windowIsFixedWithHeadingLabelsAndHiddenSiblings()
    {
        create();
        QCOMPARE(window->size(), QSize(694, 396));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->windowTitle(), QStringLiteral("Velmora - Configurator Birchcfg - NMEA 0183 / Modbus Slave "));
        const auto* code = child<QLabel>("L_SW_Code");
        const auto* description = child<QLabel>("L_SW_Desc");
        QCOMPARE(code->text(), QStringLiteral("Birchcfg"));
        QCOMPARE(description->text(), QStringLiteral("NMEA 0183 / Modbus Slave - Converter"));
        QCOMPARE(code->x(), 16);
        QCOMPARE(description->x(), code->x());
        QVERIFY(description->y() > code->y());
        const auto* web = child<QLabel>("L_Velmora");
        QCOMPARE(web->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(web->x() > child<QFrame>("Shape2")->geometry().right());
        QCOMPARE(web->geometry().bottom(), child<QPushButton>("Btn_CreateBin")->geometry().bottom());
        const QRect box = child<QFrame>("Shape2")->geometry();
        for (const char* line : {"L_Name_Conf", "L_Name_Conf_L2"})
            QVERIFY(box.contains(child<QLabel>(line)->geometry().translated(box.topLeft())));
        QVERIFY(child<QLabel>("L_Name_Conf_L2")->y() > child<QLabel>("L_Name_Conf")->y());
        for (int step = 1; step <= 8; ++step) {
            const auto* label = child<QLabel>(qPrintable(QStringLiteral("L_Step_%1").arg(step)));
            QCOMPARE(label->text(), QStringLiteral("Step %1").arg(step));
            QCOMPARE(label->isVisible(), step <= 4);
        }
        for (const char* sibling : {"Btn_PROFINET_XML", "Btn_PROFINET_Map", "Btn_MQTT_Set_Topic",
                                    "Btn_EtherCAT_Set_Access", "Btn_EtherCAT_ESI_File"})
            QVERIFY(!child<QPushButton>(sibling)->isVisible());
        QVERIFY(!child<QLabel>("LL_Update")->isVisible());
        QVERIFY(!child<QPushButton>("Btn_Info")->icon().isNull());
    }

    void eachProfileShowsItsOwnSteps_data()
    {
        QTest::addColumn<int>("profile");
        QTest::addColumn<QStringList>("ownSteps");
        QTest::addColumn<QString>("titleEnd");
        QTest::newRow("Alder") << int(DeviceProfile::Alder)
                               << QStringList{QStringLiteral("Btn_PROFINET_XML"), QStringLiteral("Btn_PROFINET_Map")}
                               << QStringLiteral("Slave (profile Alder)");
        QTest::newRow("Birch") << int(DeviceProfile::Birch) << QStringList{} << QStringLiteral("Slave ");
        QTest::newRow("Cedar") << int(DeviceProfile::Cedar) << QStringList{} << QStringLiteral("(profile Cedar)");
        QTest::newRow("Damson") << int(DeviceProfile::Damson) << QStringList{QStringLiteral("Btn_MQTT_Set_Topic")}
                                << QStringLiteral("(profile Damson)");
        QTest::newRow("Elm") << int(DeviceProfile::Elm)
                             << QStringList{QStringLiteral("Btn_EtherCAT_Set_Access"),
                                            QStringLiteral("Btn_EtherCAT_ESI_File")}
                             << QStringLiteral("(profile Elm)");
    }

    // Steps 1-4 stay where they are; the profile's own steps follow Update Device, one row each,
    // each beside its step label, and the line and the window's height move down with the last one.
    void eachProfileShowsItsOwnSteps()
    {
        QFETCH(int, profile);
        QFETCH(QStringList, ownSteps);
        QFETCH(QString, titleEnd);
        fixture->state.Profile = DeviceProfile(profile);
        create();
        for (const char* step : {"Btn_New", "Btn_Open", "Btn_Prm_Gen", "Btn_NMEA0183_Access", "Btn_CreateBin"})
            QVERIFY(child<QPushButton>(step)->isVisible());
        const QRect update = child<QPushButton>("Btn_CreateBin")->geometry();
        for (const char* sibling : {"Btn_PROFINET_XML", "Btn_PROFINET_Map", "Btn_MQTT_Set_Topic",
                                    "Btn_EtherCAT_Set_Access", "Btn_EtherCAT_ESI_File"}) {
            const qsizetype index = ownSteps.indexOf(QLatin1String(sibling));
            auto* button = child<QPushButton>(sibling);
            QCOMPARE(button->isVisible(), index >= 0);
            if (index >= 0)
                QCOMPARE(button->geometry(), update.translated(0, 44 * int(index + 1)));
        }
        const int steps = 4 + int(ownSteps.size());
        const QList<const char*> buttons = {"Btn_New", "Btn_Prm_Gen", "Btn_NMEA0183_Access", "Btn_CreateBin"};
        for (int step = 1; step <= 8; ++step) {
            auto* label = child<QLabel>(qPrintable(QStringLiteral("L_Step_%1").arg(step)));
            QCOMPARE(label->isVisible(), step <= steps);
            if (step > steps)
                continue;
            const QString name = step <= 4 ? QString::fromLatin1(buttons[step - 1]) : ownSteps[step - 5];
            const QRect button = child<QPushButton>(qPrintable(name))->geometry();
            QVERIFY(label->geometry().right() < button.left());
            QCOMPARE(label->geometry().center().y(), button.center().y());
        }
        const int lastBottom = update.bottom() + 44 * int(ownSteps.size());
        QVERIFY(child<QFrame>("Shape1")->y() > lastBottom);
        QCOMPARE(window->size(), QSize(694, 396 + 44 * int(ownSteps.size())));
        QVERIFY2(window->windowTitle().startsWith(QStringLiteral("Velmora - Configurator Birchcfg - NMEA 0183")) &&
                     window->windowTitle().endsWith(titleEnd),
                 qPrintable(window->windowTitle()));

        // Every step of the profile needs a project, the own steps too.
        for (const QString& step : ownSteps) {
            fixture->prompter.answer(Prompter::Answer::Ok);
            QTest::mouseClick(child<QPushButton>(qPrintable(step)), Qt::LeftButton);
            QCOMPARE(fixture->prompter.prompts.last().text, QStringLiteral("Error! Project not Valid"));
        }
    }

    // The two steps of the PROFINET profile, from the button to the file on disk.
    void alderStepsWriteTheirFiles()
    {
        fixture->state.Profile = DeviceProfile::Alder;
        create();
        fixture->openProject("Ship");
        writeFixture(fixture->state.NmeaAccessFile, "<NMEA_0183><NMEA_Listener><row Enable=\"Y\" Sentence=\"MTW\" "
                                                    "Serial_Channel=\"RS232\" Mnemonic=\"Temp\"/></NMEA_Listener>"
                                                    "</NMEA_0183>");
        const auto folder = fixture->state.ProjectDir;

        fixture->prompter.answerSaveFile(QString::fromStdString((folder / "map").string()));
        click("Btn_PROFINET_Map");
        QCOMPARE(readAll(folder / "map.csv"), std::string("Byte; Sentence; Field; Serial; Mnemonic;\r\n"
                                                          "0-1-2-3;MTW;Water temperature, Number [floating point];"
                                                          "RS232;Temp;\r\n"
                                                          "4;MTW;Water temperature, Unit [character];RS232;Temp;\r\n"));

        fixture->runner.then([](QDialog& dialog) {
            QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("E_XML_User")), QStringLiteral("Deck"));
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Btn_OK")), Qt::LeftButton);
        });
        // The name typed in the save dialog only chooses the folder.
        fixture->prompter.answerSaveFile(QString::fromStdString((folder / "other.xml").string()));
        click("Btn_PROFINET_XML");
        QCOMPARE(fixture->runner.shown, QList<QDialog*>{profinetFileName.get()});
        const auto gsdml = folder / "GSDML-V2.25-Velmora-_Deck-20260305.xml";
        QVERIFY(std::filesystem::exists(gsdml));
        QVERIFY(!std::filesystem::exists(folder / "other.xml"));
        QVERIFY(readAll(gsdml).find("Temp") != std::string::npos);
    }

    void damsonStepOpensTheTopics()
    {
        fixture->state.Profile = DeviceProfile::Damson;
        create();
        fixture->openProject("Ship");
        fixture->runner.then(accept);
        click("Btn_MQTT_Set_Topic");
        QCOMPARE(fixture->runner.shown, QList<QDialog*>{steps.mqttSetTopic});
    }

    void elmStepsOpenTheVariablesAndAskForTheEsiFile()
    {
        fixture->state.Profile = DeviceProfile::Elm;
        create();
        fixture->openProject("Ship");
        fixture->runner.then(accept);
        click("Btn_EtherCAT_Set_Access");
        QCOMPARE(fixture->runner.shown, QList<QDialog*>{steps.etherCatSlave});

        fixture->prompter.answerSaveFile(std::nullopt);
        click("Btn_EtherCAT_ESI_File");
        QCOMPARE(fixture->prompter.fileDialogs.size(), 1);
        QCOMPARE(fixture->prompter.fileDialogs.first().filter, QStringLiteral("EtherCAT ESI File (*.xml)"));
    }

    void setLangWritesEveryCaptionAndHint()
    {
        create();
        QCOMPARE(child<QLabel>("L_Begin")->text(), QStringLiteral("Begin"));
        const struct {
            const char* button;
            int caption;
            int hint;
        } expected[] = {{"Btn_New", 15, 22},
                        {"Btn_Open", 16, 23},
                        {"Btn_CreateBin", 17, 26},
                        {"Btn_Prm_Gen", 20, 24},
                        {"Btn_NMEA0183_Access", 21, 25},
                        {"Btn_PROFINET_XML", 27, 28},
                        {"Btn_PROFINET_Map", 29, 30},
                        {"Btn_MQTT_Set_Topic", 32, 33},
                        {"Btn_EtherCAT_Set_Access", 34, 35},
                        {"Btn_EtherCAT_ESI_File", 36, 37}};
        for (int number = 0; number < 38; ++number)
            fixture->state.TextTable.set(number, "T" + std::to_string(number));
        window->Change_Language();
        for (const auto& entry : expected) {
            QCOMPARE(child<QPushButton>(entry.button)->text(), text(entry.caption));
            QCOMPARE(child<QPushButton>(entry.button)->toolTip(), text(entry.hint));
        }
        QCOMPARE(child<QPushButton>("Btn_Info")->toolTip(), QStringLiteral("T12"));
        QCOMPARE(child<QPushButton>("Btn_Opz")->toolTip(), QStringLiteral("T13"));
        QCOMPARE(child<QPushButton>("Btn_Close")->toolTip(), QStringLiteral("T14"));
        QCOMPARE(child<QLabel>("L_Begin")->text(), QStringLiteral("T0"));
        QCOMPARE(child<QLabel>("L_Step_8")->text(), QStringLiteral("T8"));
        QCOMPARE(child<QLabel>("L_Name_Conf")->text(), QStringLiteral("T9"));
        QCOMPARE(child<QLabel>("L_Name_Conf_L2")->text(), QStringLiteral("T10"));
    }

    void everyProjectStepNeedsAProject()
    {
        create();
        for (const char* step : {"Btn_Prm_Gen", "Btn_NMEA0183_Access", "Btn_CreateBin"}) {
            fixture->prompter.answer(Prompter::Answer::Ok);
            click(step);
            QVERIFY(!fixture->prompter.prompts.isEmpty());
            QCOMPARE(fixture->prompter.prompts.last().kind, Prompter::Kind::Error);
            QCOMPARE(fixture->prompter.prompts.last().text, QStringLiteral("Error! Project not Valid"));
            QCOMPARE(fixture->prompter.prompts.last().buttons, Prompter::Buttons::Ok);
        }
        // The sibling profiles' steps are hidden here, yet guarded the same way.
        for (const char* step : {"Btn_PROFINET_XML", "Btn_PROFINET_Map", "Btn_MQTT_Set_Topic",
                                 "Btn_EtherCAT_Set_Access", "Btn_EtherCAT_ESI_File"}) {
            fixture->prompter.answer(Prompter::Answer::Ok);
            child<QPushButton>(step)->click();
            QCOMPARE(fixture->prompter.prompts.last().text, QStringLiteral("Error! Project not Valid"));
        }
        QCOMPARE(fixture->prompter.prompts.size(), 8);
        QVERIFY(fixture->runner.shown.isEmpty());
    }

    void projectStepsOpenTheirWindowsWithAProject()
    {
        create();
        fixture->openProject("Ship");
        for (int i = 0; i < 3; ++i)
            fixture->runner.then(accept);
        click("Btn_Prm_Gen");
        click("Btn_NMEA0183_Access");
        click("Btn_CreateBin");
        QCOMPARE(fixture->runner.shown, (QList<QDialog*>{steps.parGen, steps.nmeaAccess2, boot.get()}));
        QVERIFY(fixture->prompter.prompts.isEmpty());
        // Update Device builds the image before its dialog opens.
        QCOMPARE(std::filesystem::file_size(fixture->state.ProjectDir / "bin" / "bank.bin"), std::uintmax_t{3584});
    }

    void informationAndOptionsWorkWithoutProject()
    {
        create();
        fixture->runner.then(accept);
        click("Btn_Info");
        QCOMPARE(fixture->runner.shown, QList<QDialog*>{steps.about});

        // Options cancelled: nothing is stored.
        fixture->runner.then([](QDialog& dialog) { dialog.reject(); });
        click("Btn_Opz");
        QVERIFY(!std::filesystem::exists(fixture->dir.path() / "Mosaic.xml"));

        // Options confirmed with both internet flags: stored and the check scheduled.
        fixture->runner.then([this](QDialog& dialog) {
            fixture->state.EnableInternet = true;
            fixture->state.EnableUpdateCheck = true;
            dialog.accept();
        });
        click("Btn_Opz");
        QVERIFY(settingsFile().contains(QStringLiteral("<enable_update>1</enable_update>")));
        QVERIFY(window->Timer_Update().isActive());
        QVERIFY(fixture->prompter.prompts.isEmpty());
    }

    void newProjectBecomesActiveAndIsRemembered()
    {
        create();
        fixture->runner.then([](QDialog& dialog) {
            QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("E_New_Proj")), QStringLiteral("Harbour"));
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Btn_OK")), Qt::LeftButton);
        });
        click("Btn_New");
        QCOMPARE(child<QLabel>("L_Name_Conf")->text(), text(11));
        QCOMPARE(child<QLabel>("L_Name_Conf_L2")->text(), QStringLiteral("Harbour"));
        QVERIFY(std::filesystem::is_directory(fixture->state.ProjectsDir / "Harbour" / "bin"));

        fixture->runner.then(accept);
        click("Btn_Prm_Gen");
        click("Btn_Close");
        QVERIFY(!window->isVisible());
        QVERIFY(settingsFile().contains(QStringLiteral("<projectname>Harbour</projectname>")));
    }

    void openWithEmptyListLeavesNoProjectActive()
    {
        create();
        fixture->openProject("Ship");
        std::filesystem::remove_all(fixture->state.ProjectsDir / "Ship");
        fixture->runner.then([](QDialog& dialog) {
            QCOMPARE(dialog.findChild<QListWidget*>(QStringLiteral("ListBox1"))->count(), 0);
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Btn_OK")), Qt::LeftButton);
        });
        click("Btn_Open");
        QVERIFY(!fixture->state.projectActive());
        QCOMPARE(fixture->state.ProjectName, std::string());
        QCOMPARE(child<QLabel>("L_Name_Conf")->text(), text(9));
        QCOMPARE(child<QLabel>("L_Name_Conf_L2")->text(), text(10));
    }

    void openMakesTheChosenProjectActive()
    {
        std::filesystem::create_directories(fixture->state.ProjectsDir / "Alpha");
        std::filesystem::create_directories(fixture->state.ProjectsDir / "beta");
        create();
        fixture->runner.then([](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>(QStringLiteral("ListBox1"));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Btn_OK")), Qt::LeftButton);
        });
        click("Btn_Open");
        QCOMPARE(fixture->state.ProjectName, std::string("beta"));
        QCOMPARE(fixture->state.ProjectDir, fixture->state.ProjectsDir / "beta");
        QCOMPARE(fixture->state.NmeaAccessFile, fixture->state.ProjectsDir / "beta" / "NMEA_0183_Set_Access.xml");
        QCOMPARE(child<QLabel>("L_Name_Conf_L2")->text(), QStringLiteral("beta"));

        // Cancel changes nothing.
        fixture->runner.then([](QDialog& dialog) { dialog.reject(); });
        click("Btn_Open");
        QCOMPARE(fixture->state.ProjectName, std::string("beta"));
    }

    void rememberedProjectIsRestored()
    {
        std::filesystem::create_directories(fixture->state.ProjectsDir / "Ship");
        writeFixture(fixture->dir.path() / "Mosaic.xml",
                     "<Conf_Settings><lastproj><projectname>Ship</projectname></lastproj></Conf_Settings>");
        create();
        QCOMPARE(fixture->state.ProjectDir, fixture->state.ProjectsDir / "Ship");
        QCOMPARE(child<QLabel>("L_Name_Conf")->text(), QStringLiteral("Opened Configuration of the Converter : "));
        QCOMPARE(child<QLabel>("L_Name_Conf_L2")->text(), QStringLiteral("Ship"));
    }

    void rememberedProjectWhoseFolderIsGone()
    {
        writeFixture(fixture->dir.path() / "Mosaic.xml",
                     "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj></Conf_Settings>");
        create();
        QCOMPARE(child<QLabel>("L_Name_Conf")->text(), QStringLiteral("None Configuration Opened "));
        QCOMPARE(child<QLabel>("L_Name_Conf_L2")->text(),
                 QStringLiteral("Use Step1 to open or create new configuration"));

        writeFixture(fixture->state.LanguageDir / "Italiano.lng",
                     "STR9 = Nessuna configurazione aperta\r\nSTR10 = Usare il passo 1\r\n");
        QVERIFY(!Switch_Language(fixture->state, "Italiano").has_value());
        window->Change_Language();
        QCOMPARE(child<QLabel>("L_Name_Conf")->text(), QStringLiteral("Nessuna configurazione aperta"));
        QCOMPARE(child<QLabel>("L_Name_Conf_L2")->text(), QStringLiteral("Usare il passo 1"));

        fixture->prompter.answer(Prompter::Answer::Ok);
        click("Btn_Prm_Gen");
        QCOMPARE(fixture->prompter.prompts.last().text, text(18));

        window->close();
        QVERIFY(settingsFile().contains(QStringLiteral("<projectname>Gone</projectname>")));
    }

    void damagedSettingsFileIsToldOnce()
    {
        writeFixture(fixture->dir.path() / "Mosaic.xml", "<Conf_Settings><lastproj>");
        fixture->prompter.answer(Prompter::Answer::Ok);
        create();
        QCOMPARE(fixture->prompter.prompts.size(), 1);
        QCOMPARE(fixture->prompter.prompts.first().kind, Prompter::Kind::Error);
        QVERIFY(fixture->prompter.prompts.first().text.contains(QStringLiteral("Mosaic.xml")));
        QVERIFY(fixture->state.NMEA0183.has_value());
    }

    void settingsThatCannotBeWrittenAreToldAndTheWindowClosesAnyway()
    {
        FailingFileWriter failing("disk full");
        UiContext context{fixture->state, fixture->prompter, fixture->urlOpener, fixture->runner, failing};
        TFMosaicFirmWare failingWindow(context, *services);
        failingWindow.FormCreate({fixture->dir.path(), {}});
        failingWindow.show();
        fixture->prompter.answer(Prompter::Answer::Ok);
        QVERIFY(failingWindow.close());
        QVERIFY(!failingWindow.isVisible());
        QCOMPARE(fixture->prompter.prompts.size(), 1);
        QVERIFY(fixture->prompter.prompts.first().text.contains(QStringLiteral("disk full")));
    }

    void changeLanguageFollowsCreationOrder()
    {
        create();
        QStringList log;
        LanguageLog first(log, QStringLiteral("TFNew_Project"));
        LanguageLog second(log, QStringLiteral("TFOpenConf"));
        LanguageLog third(log, QStringLiteral("TFSoftOptions"));
        window->registerLanguageAware(first);
        window->registerLanguageAware(second);
        window->registerLanguageAware(third);
        fixture->state.TextTable.set(0, "Inizio");
        window->Change_Language();
        QCOMPARE(child<QLabel>("L_Begin")->text(), QStringLiteral("Inizio"));
        QCOMPARE(log, (QStringList{QStringLiteral("TFNew_Project"), QStringLiteral("TFOpenConf"),
                                   QStringLiteral("TFSoftOptions")}));
    }

    void linksGoThroughTheUrlOpener()
    {
        services->newerVersionAvailable = [] { return true; };
        create();
        QTest::mouseClick(child<QLabel>("L_Velmora"), Qt::LeftButton);
        QCOMPARE(fixture->urlOpener.opened.size(), 1);
        QCOMPARE(fixture->urlOpener.opened.first().query(), QStringLiteral("frompg=Birchcfg"));
        QCOMPARE(fixture->urlOpener.opened.first().host(), QUrl(QStringLiteral(BIRCH_HOME_URL)).host());

        window->Timer_UpdateTimer();
        QTRY_VERIFY(child<QLabel>("LL_Update")->isVisible());
        auto* link = child<QLabel>("LL_Update");
        const QRegularExpressionMatch href =
            QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).match(link->text());
        QVERIFY(href.hasMatch());
        Q_EMIT link->linkActivated(href.captured(1));
        QCOMPARE(fixture->urlOpener.opened.size(), 2);
        QCOMPARE(fixture->urlOpener.opened.last().toString(),
                 QStringLiteral(BIRCH_DOWNLOAD_URL) + QStringLiteral("#Birchdev"));
    }

    void timerRunsOnlyWithBothFlags_data()
    {
        QTest::addColumn<bool>("internet");
        QTest::addColumn<bool>("update");
        QTest::newRow("both") << true << true;
        QTest::newRow("internet only") << true << false;
        QTest::newRow("update only") << false << true;
        QTest::newRow("neither") << false << false;
    }

    void timerRunsOnlyWithBothFlags()
    {
        QFETCH(bool, internet);
        QFETCH(bool, update);
        writeFixture(fixture->dir.path() / "Mosaic.xml",
                     std::string("<Conf_Settings><lastinternet><enable_internet>") + (internet ? "1" : "0") +
                         "</enable_internet><enable_update>" + (update ? "1" : "0") +
                         "</enable_update></lastinternet></Conf_Settings>");
        create();
        QCOMPARE(window->Timer_Update().isActive(), internet && update);
        QCOMPARE(window->Timer_Update().interval(), 60000);
    }

    void periodicCheckShowsAndHidesTheLink()
    {
        std::atomic<bool> newer{true};
        std::atomic<int> calls{0};
        services->newerVersionAvailable = [&] {
            ++calls;
            return newer.load();
        };
        fixture->state.EnableInternet = true;
        writeFixture(fixture->dir.path() / "Mosaic.xml",
                     "<Conf_Settings><lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
                     "</lastinternet></Conf_Settings>");
        create();
        auto* link = child<QLabel>("LL_Update");

        window->Timer_UpdateTimer();
        QVERIFY(!window->Timer_Update().isActive()); // not re-armed while the query runs
        QTRY_COMPARE(window->Timer_Update().interval(), 7200000);
        QVERIFY(window->Timer_Update().isActive());
        QVERIFY(link->isVisible());
        QVERIFY(link->text().contains(QStringLiteral("New Version Available. Click Here for more Details")));

        newer = false;
        window->Timer_UpdateTimer();
        QTRY_VERIFY(!link->isVisible());
        QTRY_VERIFY(window->Timer_Update().isActive());
        QCOMPARE(calls.load(), 2);
    }

    void aQueryThatThrowsCountsAsNoNewerVersion()
    {
        services->newerVersionAvailable = []() -> bool { throw std::runtime_error("no network"); };
        create();
        window->Timer_UpdateTimer();
        QTRY_COMPARE(window->Timer_Update().interval(), 7200000);
        QVERIFY(!child<QLabel>("LL_Update")->isVisible());
        QVERIFY(!window->Timer_Update().isActive()); // flags off: no re-arming
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
