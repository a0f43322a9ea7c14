#include "app/TFMosaicFirmWare.h"
#include "lang/Language.h"
#include "platform/ChildReaper.h"
#include "platform/ProgramLauncher.h"
#include "widgets/QtStandardTexts.h"

#include "UiFixture.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace birch;
using namespace birch::test;

namespace {

// The text Qt gives a standard Cancel button right now.
QString cancelText()
{
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

bool qtTranslationInstalled(const char* locale)
{
    return QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_") +
                             QLatin1String(locale) + QStringLiteral(".qm"));
}

} // namespace

// Qt's own buttons and dialogs follow the language of the product's texts.
class QtStandardTextsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        for (const char* locale : {"de", "it", "fr", "es"})
            if (!qtTranslationInstalled(locale))
                QSKIP("Qt's translations are not installed (Debian package qt6-translations-l10n)");
    }

    void followsEachShippedLanguageAndFallsBackToEnglish()
    {
        QtStandardTexts texts;
        const struct {
            const char* language;
            QString cancel;
        } cases[] = {{"Deutsch", QStringLiteral("Abbrechen")}, {"Italiano", QStringLiteral("Annulla")},
                     {"Francais", QStringLiteral("Annuler")},  {"Espanol", QStringLiteral("Cancelar")},
                     {"English", QStringLiteral("Cancel")},    {"deutsch", QStringLiteral("Abbrechen")},
                     {"Klingon", QStringLiteral("Cancel")}};
        for (const auto& c : cases) {
            texts.follow(c.language);
            QCOMPARE(cancelText(), c.cancel);
        }
    }

    void translationEndsWithItsOwner()
    {
        {
            QtStandardTexts texts;
            texts.follow("Deutsch");
            QCOMPARE(cancelText(), QStringLiteral("Abbrechen"));
        }
        QCOMPARE(cancelText(), QStringLiteral("Cancel"));
    }

    // The main window applies the language at start and on every switch.
    void mainWindowAppliesItAtStartAndOnASwitch()
    {
        UiFixture fixture;
        writeFixture(fixture.state.LanguageDir / "Deutsch.lng", "STR13 = Optionen\n");
        writeFixture(fixture.state.LanguageDir / "Italiano.lng", "STR13 = Opzioni\n");
        writeFixture(fixture.dir / "Mosaic.xml", "<Conf_Settings><lastlang><language>Deutsch</language></lastlang>"
                                                 "</Conf_Settings>");
        ChildReaper reaper;
        SystemProgramLauncher launcher(reaper);
        MainWindowServices services(launcher);
        {
            TFMosaicFirmWare window(fixture.context, services);
            window.FormCreate({fixture.dir.path(), {}});
            QCOMPARE(cancelText(), QStringLiteral("Abbrechen"));

            QVERIFY(!Switch_Language(fixture.state, "Italiano").has_value());
            window.Change_Language();
            QCOMPARE(cancelText(), QStringLiteral("Annulla"));

            // A language whose file is gone falls back to English, Qt's texts too.
            QVERIFY(!Switch_Language(fixture.state, "Francais").has_value());
            window.Change_Language();
            QCOMPARE(cancelText(), QStringLiteral("Cancel"));
        }
        QVERIFY2(fixture.problems().isEmpty(), qPrintable(fixture.problems().join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(QtStandardTextsTest)
#include "QtStandardTexts_test.moc"
