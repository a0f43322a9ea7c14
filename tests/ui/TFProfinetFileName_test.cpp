#include "profiles/TFProfinetFileName.h"

#include "UiFixture.h"

#include "widgets/QtText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace birch;
using namespace birch::test;

class ProfinetFileNameTest : public QObject {
    Q_OBJECT

private:
    // A start day that is surely not today, so a name read from the clock would show.
    const CalendarDate startDate{2001, 2, 3};
    std::unique_ptr<UiFixture> fixture;
    std::unique_ptr<TFProfinetFileName> dialog;

    QLineEdit* edit() const { return dialog->findChild<QLineEdit*>(QStringLiteral("E_XML_User")); }
    QLabel* label(const char* name) const { return dialog->findChild<QLabel*>(QLatin1String(name)); }
    QPushButton* button(const char* name) const { return dialog->findChild<QPushButton*>(QLatin1String(name)); }

    int run(ScriptedModalRunner::Script script)
    {
        fixture->runner.then(std::move(script));
        return fixture->runner.run(*dialog);
    }

    // Shows the dialog, replaces the user part with `user` and ends with OK.
    int confirm(const QString& user)
    {
        return run([&](QDialog&) {
            edit()->clear();
            QTest::keyClicks(edit(), user);
            QTest::mouseClick(button("Btn_OK"), Qt::LeftButton);
        });
    }

private Q_SLOTS:
    void init()
    {
        fixture = std::make_unique<UiFixture>();
        dialog = std::make_unique<TFProfinetFileName>(fixture->context, startDate);
    }

    void cleanup()
    {
        dialog.reset();
        const QStringList problems = fixture->problems();
        fixture.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void layoutShowsTheFixedPartsAndTexts()
    {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("PROFINET XML File Name"));
        QCOMPARE(label("L_SW_Code")->text(), QStringLiteral("Birchcfg"));
        QCOMPARE(label("L_SW_Desc")->text(), QStringLiteral("Create the PROFINET XML GSD File"));
        QCOMPARE(label("L_XML_Fix1")->text(), QStringLiteral("GSDML-V2.25-Velmora-"));
        QCOMPARE(label("L_XML_Fix2")->text(), QStringLiteral("-20010203.xml"));
        QCOMPARE(dialog->size(), QSize(540, 205).expandedTo(dialog->minimumSizeHint()));
        QCOMPARE(edit()->maxLength(), QLineEdit().maxLength());
        QVERIFY(edit()->validator() == nullptr);
        QVERIFY(dialog->Name_File_XML().empty());
        // Columns side by side, each heading over its part.
        dialog->show();
        QVERIFY(label("L_FixPart_1")->geometry().bottom() < label("L_XML_Fix1")->geometry().top());
        QVERIFY(label("L_UsedPart")->geometry().bottom() < edit()->geometry().top());
        QVERIFY(label("L_XML_Fix1")->geometry().right() < edit()->geometry().left());
        QVERIFY(edit()->geometry().right() < label("L_XML_Fix2")->geometry().left());
        dialog->hide();
    }

    void setLangWritesEveryText()
    {
        for (int number = 700; number <= 710; ++number)
            fixture->state.TextTable.set(number, "T" + std::to_string(number));
        dialog->Set_Lang();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("T700"));
        QCOMPARE(label("L_SW_Desc")->text(), QStringLiteral("T701"));
        QCOMPARE(label("L_Select_Name")->text(), QStringLiteral("T702"));
        QCOMPARE(label("L_FixPart_1")->text(), QStringLiteral("T703"));
        QCOMPARE(label("L_UsedPart")->text(), QStringLiteral("T704"));
        QCOMPARE(label("L_FixPart_2")->text(), QStringLiteral("T705"));
        QCOMPARE(button("Btn_OK")->text(), QStringLiteral("T706"));
        QCOMPARE(button("Btn_Cancel")->text(), QStringLiteral("T707"));
        QCOMPARE(button("Btn_OK")->toolTip(), QStringLiteral("T708"));
        QCOMPARE(button("Btn_Cancel")->toolTip(), QStringLiteral("T709"));
        QCOMPARE(edit()->toolTip(), QStringLiteral("T710"));
        // Data, not texts: the language leaves them alone.
        QCOMPARE(label("L_XML_Fix2")->text(), QStringLiteral("-20010203.xml"));
    }

    void longTextsAreNeverClipped()
    {
        const std::string longText(120, 'W');
        for (const int number : {702, 703, 704, 705, 706, 707})
            fixture->state.TextTable.set(number, longText);
        fixture->state.TextTable.set(703, "<b>Fixed</b>");
        dialog->Set_Lang();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        for (const char* name :
             {"L_Select_Name", "L_FixPart_1", "L_UsedPart", "L_FixPart_2", "L_XML_Fix1", "L_XML_Fix2"})
            QVERIFY2(label(name)->width() >= label(name)->sizeHint().width(), name);
        for (const char* name : {"Btn_OK", "Btn_Cancel"})
            QVERIFY2(button(name)->width() >= button(name)->sizeHint().width(), name);
        QVERIFY(dialog->width() > 540);
        QCOMPARE(label("L_FixPart_1")->textFormat(), Qt::PlainText);
        dialog->hide();
    }

    void okComposesTheName_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString() << QStringLiteral("GSDML-V2.25-Velmora--20010203.xml");
        QTest::newRow("blanks") << QStringLiteral("   ") << QStringLiteral("GSDML-V2.25-Velmora--20010203.xml");
        QTest::newRow("X") << QStringLiteral("X") << QStringLiteral("GSDML-V2.25-Velmora-_X-20010203.xml");
        QTest::newRow("_X") << QStringLiteral("_X") << QStringLiteral("GSDML-V2.25-Velmora-_X-20010203.xml");
        QTest::newRow("blank X") << QStringLiteral(" X") << QStringLiteral("GSDML-V2.25-Velmora-_ X-20010203.xml");
        QTest::newRow("long") << QString(300, QLatin1Char('a'))
                              << QStringLiteral("GSDML-V2.25-Velmora-_") + QString(300, QLatin1Char('a')) +
                                     QStringLiteral("-20010203.xml");
    }

    void okComposesTheName()
    {
        QFETCH(QString, user);
        QFETCH(QString, name);
        QCOMPARE(confirm(user), int(QDialog::Accepted));
        QCOMPARE(qs(dialog->Name_File_XML()), name);
    }

    // Enter in the user part does not confirm the name; the OK button does.
    void enterInTheUserPartIsNotOk()
    {
        const int result = run([&](QDialog&) {
            QCOMPARE(dialog->focusWidget(), edit());
            QTest::keyClicks(edit(), QStringLiteral("Deck"));
            QTest::keyClick(edit(), Qt::Key_Return);
            QTest::keyClick(edit(), Qt::Key_Enter);
            QVERIFY(dialog->isVisible());
            QVERIFY(dialog->Name_File_XML().empty());
            QCOMPARE(edit()->text(), QStringLiteral("Deck"));
            QTest::mouseClick(button("Btn_OK"), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(dialog->Name_File_XML(), std::string("GSDML-V2.25-Velmora-_Deck-20010203.xml"));
    }

    void cancelKeepsTheNameAndTheUserPartStays()
    {
        QCOMPARE(confirm(QStringLiteral("Bridge")), int(QDialog::Accepted));
        const std::string confirmed = dialog->Name_File_XML();

        const int cancelled = run([&](QDialog&) {
            QCOMPARE(edit()->text(), QStringLiteral("Bridge"));
            QCOMPARE(edit()->selectedText(), QStringLiteral("Bridge"));
            QTest::keyClick(edit(), Qt::Key_End);
            QTest::keyClicks(edit(), QStringLiteral(" 2"));
            QTest::mouseClick(button("Btn_Cancel"), Qt::LeftButton);
        });
        QCOMPARE(cancelled, int(QDialog::Rejected));
        QCOMPARE(dialog->Name_File_XML(), confirmed);

        // The close box is Cancel too; the typed text is still there next time.
        run([&](QDialog&) {
            QCOMPARE(edit()->text(), QStringLiteral("Bridge 2"));
            dialog->close();
        });
        QCOMPARE(dialog->Name_File_XML(), confirmed);
    }

    void everyUseCarriesTheStartDate()
    {
        QCOMPARE(confirm(QStringLiteral("A")), int(QDialog::Accepted));
        QCOMPARE(confirm(QStringLiteral("B")), int(QDialog::Accepted));
        QCOMPARE(dialog->Name_File_XML(), std::string("GSDML-V2.25-Velmora-_B-20010203.xml"));

        TFProfinetFileName other(fixture->context, CalendarDate{2024, 12, 31});
        QCOMPARE(other.findChild<QLabel*>(QStringLiteral("L_XML_Fix2"))->text(), QStringLiteral("-20241231.xml"));
    }
};

QTEST_MAIN(ProfinetFileNameTest)
#include "TFProfinetFileName_test.moc"
