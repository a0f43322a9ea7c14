#include "options/MakerAddresses.h"
#include "options/TFSoftOptions.h"

#include "UiFixture.h"
#include "common/FileRead.h"

#include <QCheckBox>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

using namespace birch;
using birch::test::UiFixture;
using birch::test::writeFixture;
using Answer = birch::Prompter::Answer;

namespace {

// The dialog with observable seams: how often the texts were re-applied, and a scripted
// version check.
struct OptionsFixture {
    OptionsFixture()
    {
        dialog = std::make_unique<TFSoftOptions>(
            fx.context,
            [this] {
                ++languageChanges;
                dialog->Set_Lang();
            },
            [this] {
                checkedOnWorker = std::this_thread::get_id() != uiThread;
                return newerVersion.load();
            });
    }

    template <typename T> T* find(const char* name) const
    {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr)
            qFatal("no control %s", name);
        return widget;
    }
    QLabel* label(const char* name) const { return find<QLabel>(name); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QCheckBox* box(const char* name) const { return find<QCheckBox>(name); }
    QLabel* slotLabel(int slot) const { return label(QStringLiteral("L_L%1").arg(slot).toLatin1().constData()); }
    QLabel* slotPicture(int slot) const { return label(QStringLiteral("I_L%1").arg(slot).toLatin1().constData()); }

    // A check box reacts on its indicator and caption, not on the empty room to their right.
    void click(QCheckBox* box) const { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }

    // Shows the dialog through the scripted runner and returns its result.
    int show(std::function<void(QDialog&)> script)
    {
        fx.runner.then(std::move(script));
        return fx.context.modalRunner.run(*dialog);
    }

    void addLanguage(const std::string& name, const std::string& content = "STR0 = x\r\n")
    {
        writeFixture(fx.state.LanguageDir / (name + ".lng"), content);
    }

    // A picture of vertical stripes, one per colour.
    void addPicture(const std::string& file, std::initializer_list<QColor> colours)
    {
        QImage picture(30, 20, QImage::Format_RGB32);
        int x = 0;
        const int width = picture.width() / static_cast<int>(colours.size());
        for (const QColor& colour : colours) {
            for (int column = x; column < x + width; ++column)
                for (int row = 0; row < picture.height(); ++row)
                    picture.setPixelColor(column, row, colour);
            x += width;
        }
        QVERIFY(picture.save(QString::fromStdString((fx.state.LanguageDir / file).string()), "BMP"));
    }

    UiFixture fx;
    std::unique_ptr<TFSoftOptions> dialog;
    int languageChanges = 0;
    std::atomic<bool> newerVersion{false};
    std::atomic<bool> checkedOnWorker{false};
    std::thread::id uiThread = std::this_thread::get_id();
};

const char* kItaliano = "STR300 = Opzioni del software\r\n"
                        "STR302 = Lingua\r\n"
                        "STR304 = \xB6Lingua selezionata : \xB6\r\n" // Windows-1252 pilcrows
                        "STR305 = \xB6Pagina \xB6\r\n"
                        "STR312 = Conferma\r\n";

} // namespace

class TFSoftOptionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensOnTheLanguageTabWithTheSettings()
    {
        OptionsFixture o;
        o.fx.state.EnableInternet = true;
        o.fx.state.EnableUpdateCheck = false;
        o.fx.state.JumpFieldOnEnter = true;
        o.fx.state.DoubleClickAutoSize = false;
        o.show([&](QDialog& dialog) {
            QCOMPARE(dialog.size(), QSize(509, 373));
            QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Software Options"));
            QCOMPARE(o.label("L_SW_Code")->text(), QStringLiteral("Birchcfg"));
            QCOMPARE(o.label("L_SW_Desc")->text(), QStringLiteral("Software Options"));
            auto* tabs = o.find<QTabWidget>("PC_Options");
            QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("TS_Language"));
            QCOMPARE(tabs->tabText(1), QStringLiteral("Connection Options"));
            QCOMPARE(tabs->tabText(2), QStringLiteral("Software Settings"));
            QCOMPARE(o.label("L_Sel_Lang")->text(), QStringLiteral("Selected Language : English"));
            QVERIFY(o.box("CB_En_Con")->isChecked());
            QVERIFY(!o.box("CB_Update")->isChecked());
            QVERIFY(o.box("CB_Update")->isEnabled());
            QVERIFY(!o.button("Btn_Check_Update")->isEnabled());
            QVERIFY(o.box("CB_Soft_Set_Jump_Table")->isChecked());
            QVERIFY(!o.box("CB_DoubleClick_Auto_Size")->isChecked());
            QVERIFY(o.label("LL_Check_Update")->isHidden());
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });
        QVERIFY2(o.fx.problems().isEmpty(), qPrintable(o.fx.problems().join(QLatin1Char('\n'))));
    }

    void languagePagesOfSix_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<QStringList>("pages"); // per page: label, then the visible names
        QTest::newRow("none") << 0 << QStringList{QStringLiteral("Page 1 / 1|English")};
        QTest::newRow("one") << 1 << QStringList{QStringLiteral("Page 1 / 1|L01")};
        QTest::newRow("six") << 6 << QStringList{QStringLiteral("Page 1 / 1|L01,L02,L03,L04,L05,L06")};
        QTest::newRow("seven") << 7
                               << QStringList{QStringLiteral("Page 1 / 2|L01,L02,L03,L04,L05,L06"),
                                              QStringLiteral("Page 2 / 2|L07")};
        QTest::newRow("thirteen") << 13
                                  << QStringList{QStringLiteral("Page 1 / 3|L01,L02,L03,L04,L05,L06"),
                                                 QStringLiteral("Page 2 / 3|L07,L08,L09,L10,L11,L12"),
                                                 QStringLiteral("Page 3 / 3|L13")};
    }

    void languagePagesOfSix()
    {
        QFETCH(int, files);
        QFETCH(QStringList, pages);
        OptionsFixture o;
        for (int i = files; i >= 1; --i)
            o.addLanguage((i < 10 ? "L0" : "L") + std::to_string(i));

        o.show([&](QDialog&) {
            auto expectPage = [&](int index) {
                const QStringList parts = pages[index].split(QLatin1Char('|'));
                const QStringList names = parts[1].split(QLatin1Char(','));
                QCOMPARE(o.label("L_Page_Lang")->text(), parts[0]);
                QCOMPARE(o.button("Btn_Prev")->isVisible(), index > 0);
                QCOMPARE(o.button("Btn_Next")->isVisible(), index < pages.size() - 1);
                for (int slot = 1; slot <= 6; ++slot) {
                    const bool used = slot <= names.size();
                    QCOMPARE(o.slotLabel(slot)->isVisible(), used);
                    if (used)
                        QCOMPARE(o.slotLabel(slot)->text(), names[slot - 1]);
                }
            };
            for (int index = 0; index < pages.size(); ++index) {
                expectPage(index);
                if (index < pages.size() - 1)
                    QTest::mouseClick(o.button("Btn_Next"), Qt::LeftButton);
            }
            for (int index = static_cast<int>(pages.size()) - 1; index > 0; --index)
                QTest::mouseClick(o.button("Btn_Prev"), Qt::LeftButton);
            expectPage(0);
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });
        QVERIFY(o.fx.problems().isEmpty());
    }

    void pictureFallsBackToDefaultThenToNone()
    {
        OptionsFixture o;
        o.addLanguage("Deutsch");
        o.addLanguage("Italiano");
        o.addLanguage("Svenska");
        o.addPicture("Italiano.bmp", {Qt::green});
        o.addPicture("DefaultFlag.bmp", {Qt::blue});
        writeFixture(o.fx.state.LanguageDir / "Svenska.bmp", "not a picture");

        auto colourOf = [&](int slot) { return o.slotPicture(slot)->pixmap().toImage().pixelColor(24, 24); };
        o.show([&](QDialog&) {
            QCOMPARE(o.slotLabel(1)->text(), QStringLiteral("Deutsch"));
            QVERIFY(o.slotPicture(1)->isVisible());
            QCOMPARE(colourOf(1), QColor(Qt::blue));
            QCOMPARE(colourOf(2), QColor(Qt::green));
            QCOMPARE(o.slotPicture(2)->pixmap().size(), QSize(48, 32));
            // A picture that cannot be read counts as missing.
            QCOMPARE(colourOf(3), QColor(Qt::blue));
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });

        std::filesystem::remove(o.fx.state.LanguageDir / "DefaultFlag.bmp");
        o.show([&](QDialog&) {
            QVERIFY(o.slotPicture(1)->isHidden());
            QVERIFY(o.slotLabel(1)->isVisible());
            QCOMPARE(colourOf(2), QColor(Qt::green));
            QVERIFY(o.slotPicture(3)->isHidden());
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });
        QVERIFY(o.fx.problems().isEmpty());
    }

    void readOnlyLanguageFileIsNotOffered()
    {
        OptionsFixture o;
        o.addLanguage("Deutsch");
        o.addLanguage("Italiano");
        std::filesystem::permissions(o.fx.state.LanguageDir / "Deutsch.lng", std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        o.show([&](QDialog&) {
            QCOMPARE(o.slotLabel(1)->text(), QStringLiteral("Italiano"));
            QVERIFY(o.slotLabel(2)->isHidden());
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });
        QVERIFY(o.fx.problems().isEmpty());
    }

    void confirmedSwitchReTextsAtOnceAndCancelKeepsTheSetting()
    {
        OptionsFixture o;
        o.addLanguage("English");
        o.addLanguage("Italiano", kItaliano);
        o.fx.prompter.answer(Answer::Yes);
        const int result = o.show([&](QDialog& dialog) {
            QTest::mouseClick(o.slotLabel(2), Qt::LeftButton);
            QCOMPARE(o.fx.prompter.prompts.size(), 1);
            QCOMPARE(o.fx.prompter.prompts[0].kind, Prompter::Kind::Question);
            QCOMPARE(o.fx.prompter.prompts[0].buttons, Prompter::Buttons::YesNo);
            QCOMPARE(o.fx.prompter.prompts[0].text,
                     QStringLiteral("Do you want to change the Language from English to Italiano?"));
            QCOMPARE(o.languageChanges, 1);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Opzioni del software"));
            QCOMPARE(o.find<QTabWidget>("PC_Options")->tabText(0), QStringLiteral("Lingua"));
            QCOMPARE(o.label("L_Sel_Lang")->text(), QStringLiteral("Lingua selezionata : Italiano"));
            QCOMPARE(o.label("L_Page_Lang")->text(), QStringLiteral("Pagina 1 / 1"));
            QCOMPARE(o.button("Btn_OK")->text(), QStringLiteral("Conferma"));
            QCOMPARE(o.fx.state.LanguageName, std::string("English"));
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(o.fx.state.LanguageName, std::string("English"));
        QCOMPARE(o.fx.state.TextTable[300], std::string("Opzioni del software"));

        // The next opening starts again from the stored language, in the texts of the switch.
        o.show([&](QDialog&) {
            QCOMPARE(o.dialog->Language_In_Use(), std::string("English"));
            QCOMPARE(o.label("L_Sel_Lang")->text(), QStringLiteral("Lingua selezionata : English"));
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });
        QVERIFY(o.fx.problems().isEmpty());
    }

    void okMakesTheSwitchTheSetting()
    {
        OptionsFixture o;
        o.addLanguage("Italiano", kItaliano);
        o.fx.prompter.answer(Answer::Yes);
        const int result = o.show([&](QDialog&) {
            QTest::mouseClick(o.slotPicture(1), Qt::LeftButton); // the picture answers like the name
            QTest::mouseClick(o.button("Btn_OK"), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(o.fx.state.LanguageName, std::string("Italiano"));
        QVERIFY(o.fx.problems().isEmpty());
    }

    void answeringNoChangesNothingAndTheLanguageInUseIsAskedToo()
    {
        OptionsFixture o;
        o.addLanguage("English");
        o.addLanguage("Italiano", kItaliano);
        o.fx.prompter.answer(Answer::No);
        o.fx.prompter.answer(Answer::No);
        o.fx.prompter.answer(Answer::No);
        o.show([&](QDialog&) {
            QTest::mouseClick(o.slotLabel(2), Qt::LeftButton);
            QTest::mouseClick(o.slotLabel(1), Qt::LeftButton);
            QTest::keyClick(o.slotLabel(2), Qt::Key_Space); // the names take the keyboard too
            QCOMPARE(o.fx.prompter.prompts.size(), 3);
            QCOMPARE(o.fx.prompter.prompts[2].text, o.fx.prompter.prompts[0].text);
            QCOMPARE(o.fx.prompter.prompts[1].text,
                     QStringLiteral("Do you want to change the Language from English to English?"));
            QCOMPARE(o.languageChanges, 0);
            QCOMPARE(o.fx.state.TextTable[300], std::string("Software Options"));
            QCOMPARE(o.label("L_Sel_Lang")->text(), QStringLiteral("Selected Language : English"));
            QTest::mouseClick(o.button("Btn_OK"), Qt::LeftButton);
        });
        QCOMPARE(o.fx.state.LanguageName, std::string("English"));
        QVERIFY(o.fx.problems().isEmpty());
    }

    void languageFileGoneBeforeTheChoiceFallsBackToEnglishTexts()
    {
        OptionsFixture o;
        o.addLanguage("Italiano", kItaliano);
        o.fx.prompter.answer(Answer::Yes);
        o.show([&](QDialog&) {
            std::filesystem::remove(o.fx.state.LanguageDir / "Italiano.lng");
            QTest::mouseClick(o.slotLabel(1), Qt::LeftButton);
            QCOMPARE(o.languageChanges, 1);
            QCOMPARE(o.fx.state.TextTable[300], std::string("Software Options"));
            QCOMPARE(o.dialog->Language_In_Use(), std::string("Italiano"));
            QCOMPARE(o.label("L_Sel_Lang")->text(), QStringLiteral("Selected Language : Italiano"));
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });
        QVERIFY(o.fx.problems().isEmpty());
    }

    void unreadableLanguageFileIsReportedAfterTheSwitch()
    {
        OptionsFixture o;
        o.addLanguage("Italiano", kItaliano);
        o.fx.prompter.answer(Answer::Yes);
        o.fx.prompter.answer(Answer::Ok);
        o.show([&](QDialog&) {
            const auto file = o.fx.state.LanguageDir / "Italiano.lng";
            // Too large to be read, also for root.
            std::filesystem::resize_file(file, kMaxParsedFileSize + 1);
            QTest::mouseClick(o.slotLabel(1), Qt::LeftButton);
            QCOMPARE(o.languageChanges, 1);
            QCOMPARE(o.fx.state.TextTable[300], std::string("Software Options"));
            QCOMPARE(o.fx.prompter.prompts.size(), 2);
            QCOMPARE(o.fx.prompter.prompts[1].kind, Prompter::Kind::Error);
            QVERIFY(o.fx.prompter.prompts[1].text.startsWith(QStringLiteral("The file cannot be read: ") +
                                                             QString::fromStdString(file.string())));
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });
        QVERIFY(o.fx.problems().isEmpty());
    }

    void withoutLanguageFilesEnglishIsTheOneChoice()
    {
        OptionsFixture o;
        o.fx.prompter.answer(Answer::Yes);
        o.show([&](QDialog&) {
            QCOMPARE(o.slotLabel(1)->text(), QStringLiteral("English"));
            QTest::mouseClick(o.slotLabel(1), Qt::LeftButton);
            QCOMPARE(o.languageChanges, 1);
            QCOMPARE(o.fx.state.TextTable[300], std::string("Software Options"));
            QTest::mouseClick(o.button("Btn_OK"), Qt::LeftButton);
        });
        QCOMPARE(o.fx.state.LanguageName, std::string("English"));
        QVERIFY(o.fx.problems().isEmpty());
    }

    void greyedUpdateBoxKeepsItsTickAndIsStored()
    {
        OptionsFixture o;
        o.fx.state.EnableInternet = true;
        o.fx.state.EnableUpdateCheck = true;
        const int result = o.show([&](QDialog&) {
            o.find<QTabWidget>("PC_Options")->setCurrentIndex(1);
            QVERIFY(o.button("Btn_Check_Update")->isEnabled());
            o.click(o.box("CB_En_Con"));
            QVERIFY(!o.box("CB_Update")->isEnabled());
            QVERIFY(o.box("CB_Update")->isChecked());
            QVERIFY(!o.button("Btn_Check_Update")->isEnabled());
            o.find<QTabWidget>("PC_Options")->setCurrentIndex(2);
            o.click(o.box("CB_Soft_Set_Jump_Table"));
            o.click(o.box("CB_DoubleClick_Auto_Size"));
            QTest::mouseClick(o.button("Btn_OK"), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(!o.fx.state.EnableInternet);
        QVERIFY(o.fx.state.EnableUpdateCheck);
        QVERIFY(o.fx.state.JumpFieldOnEnter);
        QVERIFY(o.fx.state.DoubleClickAutoSize);
        QVERIFY(o.fx.problems().isEmpty());
    }

    // Enter in a box neither stores the options nor closes the dialog.
    void enterInABoxKeepsTheDialogOpen()
    {
        OptionsFixture o;
        o.fx.state.JumpFieldOnEnter = false;
        o.fx.state.EnableInternet = false;
        const int result = o.show([&](QDialog& dialog) {
            o.find<QTabWidget>("PC_Options")->setCurrentIndex(2);
            QCheckBox* jump = o.box("CB_Soft_Set_Jump_Table");
            o.click(jump);
            QTest::keyClick(jump, Qt::Key_Return);
            QVERIFY(dialog.isVisible());
            o.find<QTabWidget>("PC_Options")->setCurrentIndex(1);
            o.click(o.box("CB_En_Con"));
            QTest::keyClick(o.box("CB_En_Con"), Qt::Key_Enter);
            QVERIFY(dialog.isVisible());
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(!o.fx.state.JumpFieldOnEnter);
        QVERIFY(!o.fx.state.EnableInternet);
        QVERIFY(o.fx.problems().isEmpty());
    }

    void cancelDiscardsTheBoxes()
    {
        OptionsFixture o;
        o.fx.state.EnableInternet = false;
        o.show([&](QDialog&) {
            o.find<QTabWidget>("PC_Options")->setCurrentIndex(1);
            o.click(o.box("CB_En_Con"));
            QVERIFY(o.box("CB_Update")->isEnabled());
            QVERIFY(!o.button("Btn_Check_Update")->isEnabled());
            o.click(o.box("CB_Update"));
            QVERIFY(o.button("Btn_Check_Update")->isEnabled());
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });
        QVERIFY(!o.fx.state.EnableInternet);
        QVERIFY(!o.fx.state.EnableUpdateCheck);
        o.show([&](QDialog&) {
            QVERIFY(!o.box("CB_En_Con")->isChecked());
            QVERIFY(!o.box("CB_Update")->isChecked());
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });
        QVERIFY(o.fx.problems().isEmpty());
    }

    void checkNowShowsALinkToTheDownloadPage()
    {
        OptionsFixture o;
        o.fx.state.EnableInternet = true;
        o.fx.state.EnableUpdateCheck = true;
        o.newerVersion = true;
        const QString download = QString::fromStdString(Download_Page_Url(Maker_Addresses().downloadPage));
        o.show([&](QDialog&) {
            o.find<QTabWidget>("PC_Options")->setCurrentIndex(1);
            QTest::mouseClick(o.button("Btn_Check_Update"), Qt::LeftButton);
            QVERIFY(o.checkedOnWorker);
            QLabel* link = o.label("LL_Check_Update");
            QVERIFY(link->isVisible());
            QCOMPARE(link->textFormat(), Qt::RichText);
            QVERIFY(link->text().contains(QStringLiteral("New Version Available. Click Here for more Details")));
            QVERIFY(link->text().contains(QStringLiteral("href=\"") + download.toHtmlEscaped() + QLatin1Char('"')));
            QVERIFY(download.endsWith(QStringLiteral("#Birchdev")));
            Q_EMIT link->linkActivated(download);
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });
        QCOMPARE(o.fx.urlOpener.opened, QList<QUrl>{QUrl(download)});

        // Hidden again at the next opening; a check without news says so in plain text.
        o.newerVersion = false;
        o.show([&](QDialog&) {
            QVERIFY(o.label("LL_Check_Update")->isHidden());
            o.find<QTabWidget>("PC_Options")->setCurrentIndex(1);
            QTest::mouseClick(o.button("Btn_Check_Update"), Qt::LeftButton);
            QCOMPARE(o.label("LL_Check_Update")->text(), QStringLiteral("No Update Available"));
            QCOMPARE(o.label("LL_Check_Update")->textFormat(), Qt::PlainText);
            QVERIFY(o.label("LL_Check_Update")->isVisible());
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });
        QVERIFY(o.fx.problems().isEmpty());
    }

    void screenshot()
    {
        const QByteArray folder = qgetenv("BIRCH_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set BIRCH_SCREENSHOT_DIR to write docs/options.png");
        OptionsFixture o;
        for (const char* name : {"Deutsch", "English", "Español", "Français", "Italiano", "Nederlands", "Polski"})
            o.addLanguage(name);
        o.addPicture("DefaultFlag.bmp", {QColor(0xd0, 0xd8, 0xe0)});
        o.addPicture("Italiano.bmp", {QColor(0x00, 0x92, 0x46), Qt::white, QColor(0xce, 0x2b, 0x37)});
        o.addPicture("Français.bmp", {QColor(0x00, 0x23, 0x95), Qt::white, QColor(0xed, 0x29, 0x39)});
        o.show([&](QDialog& dialog) {
            QVERIFY(dialog.grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/options.png")));
            QTest::mouseClick(o.button("Btn_Cancel"), Qt::LeftButton);
        });
    }
};

QTEST_MAIN(TFSoftOptionsTest)
#include "TFSoftOptions_test.moc"
