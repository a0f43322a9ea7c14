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

} // namespace

// Every window of a run, shown in English and with texts three times as long: no visible label,
// button, check box, tab or group title may be cut. The same executable runs again at
// QT_SCALE_FACTOR=2.
class LongTextsTest : public QObject {
    Q_OBJECT

private:
    // Shows every window made for `profile` with the texts of `language` (empty: English) and
    // returns what does not fit.
    static QStringList clippedInEveryWindow(DeviceProfile profile, const std::string& language)
    {
        UiFixture fixture;
        fixture.state.Profile = profile;
        ChildReaper reaper;
        SystemProgramLauncher launcher(reaper);
        VirtualClock echoClock;
        FakeEchoTransport echoTransport{echoClock};
        FakeComPortLister comPorts;
        MainWindowServices mainServices(launcher);
        TFWindows windows(fixture.context,
                          WindowServices{mainServices, {echoTransport, echoClock}, comPorts, {2026, 3, 5}},
                          StartFolders{fixture.dir.path(), {}});
        fixture.openProject("Long");
        if (!language.empty()) {
            writeLongLanguage(languageFile(fixture.state, language));
            if (const auto notice = Switch_Language(fixture.state, language))
                return {QStringLiteral("the language file was not loaded")};
            windows.mainWindow().Change_Language();
        }

        TFMosaicFirmWare& main = windows.mainWindow();
        showAndSettle(main);
        QStringList clipped = clippedControls(main);
        // The step windows, and the windows they open themselves (the capture check).
        for (QDialog* dialog : main.findChildren<QDialog*>()) {
            showAndSettle(*dialog);
            clipped << clippedControls(*dialog);
            dialog->hide();
        }
        main.hide();
        return clipped;
    }

private Q_SLOTS:
    void everyTextFits_data()
    {
        QTest::addColumn<DeviceProfile>("profile");
        QTest::addColumn<QString>("language");
        for (const DeviceProfile profile : kDeviceProfiles) {
            const std::string name(profileName(profile));
            QTest::newRow((name + ", English").c_str()) << profile << QString();
            QTest::newRow((name + ", long texts").c_str()) << profile << QStringLiteral("Long");
        }
    }

    void everyTextFits()
    {
        QFETCH(DeviceProfile, profile);
        QFETCH(QString, language);
        const QStringList clipped = clippedInEveryWindow(profile, language.toStdString());
        for (const QString& text : clipped)
            qWarning("cut: %s", qPrintable(text.left(120)));
        QVERIFY2(clipped.isEmpty(), "some texts are cut, listed above");
    }
};

QTEST_MAIN(LongTextsTest)
#include "long_texts_test.moc"
