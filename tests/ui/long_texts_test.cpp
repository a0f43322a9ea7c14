#include "app/TFWindows.h"
#include "lang/Language.h"
#include "lang/LanguageFileText.h"
#include "platform/ChildReaper.h"
#include "platform/ProgramLauncher.h"

#include "ClippedControls.h"
#include "FakeComPortLister.h"
#include "FakeEcho.h"
#include "UiFixture.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>

Q_DECLARE_METATYPE(birch::DeviceProfile)

using namespace birch;
using namespace birch::test;

namespace {

// Every text three times as long as its English one.
std::string longText(const std::string& english)
{
    return english + english + english;
}

// A language file made from the program's own tables, each text three times its English length.
void writeLongLanguage(const std::filesystem::path& file)
{
    TextList table;
    Load_Default_Texts(table);
    ExtraTexts extra;
    for (int number = 0; number < TextList::kSize; ++number)
        if (!table[number].empty())
            table.set(number, longText(table[number]));
    for (const int number : ExtraTexts::numbers())
        extra.set(number, longText(extra[number]));
    std::ofstream(file, std::ios::binary) << languageFileText(table, extra);
}

// Shows `window` and lets its layouts settle: a layout that changes asks the one around it
// again on a later pass of the event loop.
void showAndSettle(QWidget& window)
{
    window.show();
    for (int pass = 0; pass < 4; ++pass)
        QApplication::processEvents();
}

// Every window of a run for one profile, with the example project Harbour open and the texts of
// the long-text language or English.
class Run {
public:
    Run(DeviceProfile profile, bool longTexts)
    {
        // The fixtures folder is tests/fixtures in the source tree.
        const std::filesystem::path example =
            std::filesystem::path(BIRCH_FIXTURES_DIR).parent_path().parent_path() / "docs/examples/Harbour";
        const std::filesystem::path project = fixture_.state.ProjectsDir / "Harbour";
        std::filesystem::create_directories(project / "bin");
        std::filesystem::copy(example, project, std::filesystem::copy_options::recursive);
        writeFixture(fixture_.dir.path() / "Mosaic.xml",
                     "<Conf_Settings><lastproj><projectname>Harbour</projectname></lastproj></Conf_Settings>");
        fixture_.state.Profile = profile;
        windows_ = std::make_unique<TFWindows>(
            fixture_.context, WindowServices{mainServices_, {echoTransport_, echoClock_}, comPorts_, {2026, 3, 5}},
            StartFolders{fixture_.dir.path(), {}});
        if (longTexts) {
            writeLongLanguage(languageFile(fixture_.state, "Long"));
            loaded_ = !Switch_Language(fixture_.state, "Long").has_value();
            windows_->mainWindow().Change_Language();
        }
    }

    bool loaded() const { return loaded_; }
    TFMosaicFirmWare& main() { return windows_->mainWindow(); }
    QDialog& window(const char* name) { return *main().findChild<QDialog*>(QLatin1String(name)); }
    // The step windows, and the windows they open themselves (the capture check).
    QList<QDialog*> dialogs() { return main().findChildren<QDialog*>(); }

private:
    UiFixture fixture_;
    ChildReaper reaper_;
    SystemProgramLauncher launcher_{reaper_};
    VirtualClock echoClock_;
    FakeEchoTransport echoTransport_{echoClock_};
    FakeComPortLister comPorts_;
    MainWindowServices mainServices_{launcher_};
    std::unique_ptr<TFWindows> windows_;
    bool loaded_ = true;
};

} // namespace

// Every window of a run, shown in English and with texts three times as long: no visible label,
// button, check box, tab or group title may be cut. The same executable runs again at
// QT_SCALE_FACTOR=2.
class LongTextsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTextFits_data()
    {
        QTest::addColumn<DeviceProfile>("profile");
        QTest::addColumn<bool>("longTexts");
        for (const DeviceProfile profile : kDeviceProfiles) {
            const std::string name(profileName(profile));
            QTest::newRow((name + ", English").c_str()) << profile << false;
            QTest::newRow((name + ", long texts").c_str()) << profile << true;
        }
    }

    void everyTextFits()
    {
        QFETCH(DeviceProfile, profile);
        QFETCH(bool, longTexts);
        Run run(profile, longTexts);
        QVERIFY(run.loaded());
        showAndSettle(run.main());
        QStringList clipped = clippedControls(run.main());
        for (QDialog* dialog : run.dialogs()) {
            showAndSettle(*dialog);
            clipped << clippedControls(*dialog);
            dialog->hide();
        }
        for (const QString& text : clipped)
            qWarning("cut: %s", qPrintable(text.left(120)));
        QVERIFY2(clipped.isEmpty(), "some texts are cut, listed above");
    }

    // Writes the main window in English and the main window, the parameters and the rules with
    // the long texts into BIRCH_SCREENSHOT_DIR (docs/).
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("BIRCH_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set BIRCH_SCREENSHOT_DIR to write the main window and the long-text screenshots");
        const auto save = [&folder](QWidget& window, const char* file) {
            showAndSettle(window);
            QVERIFY(window.grab().save(folder + QLatin1Char('/') + QLatin1String(file)));
            window.hide();
        };
        {
            Run english(DeviceProfile::Birch, false);
            save(english.main(), "main-window.png");
        }
        Run run(DeviceProfile::Birch, true);
        save(run.main(), "main-window-long-texts.png");
        save(run.window("TFParGen"), "parameters-long-texts.png");
        save(run.window("TFNMEA_0183_Set_Access2"), "rules-long-texts.png");
    }
};

QTEST_MAIN(LongTextsTest)
#include "long_texts_test.moc"
