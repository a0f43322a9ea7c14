#pragma once

#include "app/StartUp.h"
#include "core/DeviceProfile.h"
#include "platform/ProgramLauncher.h"
#include "platform/ProgramWait.h"
#include "widgets/LanguageAware.h"
#include "widgets/ProgramStarter.h"
#include "widgets/QtStandardTexts.h"
#include "widgets/UiContext.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

class QCloseEvent;
class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QThread;

namespace birch {

class TFNew_Project;
class TFOpenConf;
class TFBoot;
class TFProfinetFileName;

// The windows the steps open, created after the main window; a step whose window is not set
// opens nothing.
struct StepWindows {
    TFNew_Project* newProject = nullptr;
    TFOpenConf* openConf = nullptr;
    QDialog* about = nullptr;       // TFAbout
    QDialog* options = nullptr;     // TFSoftOptions
    QDialog* parGen = nullptr;      // TFParGen
    QDialog* nmeaAccess2 = nullptr; // TFNMEA_0183_Set_Access2
    TFBoot* update = nullptr;
    TFProfinetFileName* profinetFileName = nullptr;
    QDialog* mqttSetTopic = nullptr;  // TFMQTT_Set_Topic
    QDialog* etherCatSlave = nullptr; // TFEtherCATSlave
};

// What the main window needs beyond the common seams.
struct MainWindowServices {
    explicit MainWindowServices(ProgramLauncher& programLauncher) : launcher(programLauncher) {}

    ProgramLauncher& launcher;
    std::chrono::milliseconds programWaitLimit = kProgramWaitLimit;
    // "Is a newer version available?" Called on a worker thread; a failure counts as no.
    std::function<bool()> newerVersionAvailable;
};

// The configurator's main window: the numbered steps, the active configuration, the periodic
// version check and the wait for external programs.
class TFMosaicFirmWare : public QWidget, public LanguageAware, public ProgramStarter {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kFirstCheckInterval{60000};
    static constexpr std::chrono::milliseconds kCheckInterval{7200000};

    // Lays the window out for the profile; `FormCreate` then runs the start-up.
    TFMosaicFirmWare(UiContext& context, MainWindowServices services, QWidget* parent = nullptr);
    ~TFMosaicFirmWare() override;

    // The start-up sequence around the core start-up; tells the user each file problem once.
    void FormCreate(const StartFolders& folders);

    void setStepWindows(const StepWindows& windows) { windows_ = windows; }
    // Windows re-texted by `Change_Language`, in the order they were created.
    void registerLanguageAware(LanguageAware& window) { languageAware_.push_back(&window); }
    const std::vector<LanguageAware*>& languageAwareWindows() const { return languageAware_; }

    void Set_Lang() override;
    void Change_Language();

    void Btn_Click(QPushButton* button);
    void Create_New_Project();
    void Open_Project();
    void Update_Device();
    void PROFINET_XML();
    void PROFINET_Map();

    // Enables the version check exactly while internet access and the update check are allowed.
    void Apply_Timer_Rule();
    void Timer_UpdateTimer();
    const QTimer& Timer_Update() const { return Timer_Update_; }

    ProgramRun Start_Program(const std::filesystem::path& NomeSW, const std::string& Parameter, bool tipo) override;
    // Set while a modal wait runs.
    bool isBusy() const { return busy_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString text(int number) const;
    QPushButton* makeButton(const char* name);
    QLabel* makeLabel(const char* name);
    // The steps a profile adds after Update Device, in step order.
    std::vector<QPushButton*> profileStepButtons(DeviceProfile profile) const;
    void layOut();
    void fitToContents();
    void Show_Configuration();
    void Show_Update_Link(bool newer);
    void Version_Check_Done();
    void LL_UpdateLinkClick(const QString& link);
    void L_VelmoraClick();
    void runStepWindow(QDialog* dialog);
    void tellSaveProblem();

    UiContext& context_;
    MainWindowServices services_;
    StepWindows windows_;
    std::vector<LanguageAware*> languageAware_;
    QtStandardTexts qtTexts_;
    bool busy_ = false;
    QSize defaultSize_;

    QLabel* L_SW_Code;
    QLabel* L_SW_Desc;
    QLabel* L_Begin;
    QFrame* Shape2;
    QLabel* L_Name_Conf;
    QLabel* L_Name_Conf_L2;
    std::array<QLabel*, 8> L_Step;
    QPushButton* Btn_New;
    QPushButton* Btn_Open;
    QPushButton* Btn_Prm_Gen;
    QPushButton* Btn_NMEA0183_Access;
    QPushButton* Btn_CreateBin;
    QPushButton* Btn_PROFINET_XML;
    QPushButton* Btn_PROFINET_Map;
    QPushButton* Btn_MQTT_Set_Topic;
    QPushButton* Btn_EtherCAT_Set_Access;
    QPushButton* Btn_EtherCAT_ESI_File;
    QPushButton* Btn_Info;
    QPushButton* Btn_Opz;
    QPushButton* Btn_Close;
    QLabel* L_Velmora;
    QLabel* LL_Update;
    QFrame* Shape1;

    QTimer Timer_Update_;
    std::unique_ptr<QThread> versionCheck_;
    std::atomic<bool> newerVersion_{false};
};

} // namespace birch
