#include "app/TFOpenConf.h"

#include "UiFixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

using namespace birch;
using namespace birch::test;

namespace fs = std::filesystem;

class OpenConfTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> fixture;
    std::unique_ptr<TFOpenConf> dialog;

    QListWidget* list() const { return dialog->findChild<QListWidget*>(QStringLiteral("ListBox1")); }
    QPushButton* button(const char* name) const { return dialog->findChild<QPushButton*>(QLatin1String(name)); }

    QStringList listed() const
    {
        QStringList names;
        for (int row = 0; row < list()->count(); ++row)
            names << list()->item(row)->text();
        return names;
    }

    void makeProjects(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            fs::create_directories(fixture->state.ProjectsDir / name);
    }

    int run(ScriptedModalRunner::Script script)
    {
        fixture->runner.then(std::move(script));
        return fixture->runner.run(*dialog);
    }

private Q_SLOTS:
    void init()
    {
        fixture = std::make_unique<UiFixture>();
        dialog = std::make_unique<TFOpenConf>(fixture->context);
    }

    void cleanup()
    {
        dialog.reset();
        const QStringList problems = fixture->problems();
        fixture.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void textsComeFromTheTable()
    {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Open Configuration"));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("L_SW_Code"))->text(), QStringLiteral("Birchcfg"));
        for (int number = 200; number <= 207; ++number)
            fixture->state.TextTable.set(number, "T" + std::to_string(number));
        dialog->Set_Lang();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("T200"));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("L_SW_Desc"))->text(), QStringLiteral("T201"));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("T202"));
        QCOMPARE(button("Btn_OK")->text(), QStringLiteral("T203"));
        QCOMPARE(button("Btn_OK")->toolTip(), QStringLiteral("T206"));
        QCOMPARE(button("Btn_Cancel")->text(), QStringLiteral("T204"));
        QCOMPARE(button("Btn_Cancel")->toolTip(), QStringLiteral("T207"));
        QCOMPARE(list()->toolTip(), QStringLiteral("T205"));
    }

    void emptyListGivesAnEmptyName()
    {
        fixture->openProject("Ship");
        fs::remove_all(fixture->state.ProjectsDir / "Ship");
        const int result = run([&](QDialog&) {
            QCOMPARE(list()->count(), 0);
            QTest::mouseClick(button("Btn_OK"), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(dialog->Name_Conf(), std::string());
    }

    void listsVisibleFoldersIgnoringCaseInOrder()
    {
        makeProjects({"delta", "Bravo", "alpha", ".hidden", "Charlie"});
        writeFixture(fixture->state.ProjectsDir / "readme.txt", "not a project");
        run([&](QDialog&) {
            QCOMPARE(listed(), (QStringList{QStringLiteral("alpha"), QStringLiteral("Bravo"), QStringLiteral("Charlie"),
                                            QStringLiteral("delta")}));
            QCOMPARE(list()->currentRow(), 0); // no project active: the first entry
            dialog->reject();
        });
        QCOMPARE(dialog->Name_Conf(), std::string("alpha"));
    }

    void activeProjectIsSelectedIgnoringCase()
    {
        makeProjects({"alpha", "Ship", "zulu"});
        fixture->state.ProjectDir = fixture->state.ProjectsDir / "SHIP";
        const int result = run([&](QDialog&) {
            QCOMPARE(list()->currentItem()->text(), QStringLiteral("Ship"));
            QCOMPARE(dialog->focusWidget(), list());
            // Enter in the list does not open the project; the OK button does.
            QTest::keyClick(list(), Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            QTest::mouseClick(button("Btn_OK"), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(dialog->Name_Conf(), std::string("Ship"));
    }

    void clickingAnEntryChoosesIt()
    {
        makeProjects({"alpha", "beta"});
        run([&](QDialog&) {
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(1)).center());
            QTest::mouseClick(button("Btn_OK"), Qt::LeftButton);
        });
        QCOMPARE(dialog->Name_Conf(), std::string("beta"));

        // Each show lists the disk afresh.
        makeProjects({"Aardvark"});
        run([&](QDialog&) {
            QCOMPARE(listed().first(), QStringLiteral("Aardvark"));
            QTest::keyClick(list(), Qt::Key_Down);
            QTest::mouseClick(button("Btn_Cancel"), Qt::LeftButton);
        });
        QCOMPARE(dialog->Search_Open_Conf("ALPHA"), 1);
    }

    void listGrowsWithTheWindowAndButtonsKeepRight()
    {
        makeProjects({"alpha"});
        run([&](QDialog&) {
            QCOMPARE(dialog->size(), QSize(377, 351));
            const QSize listBefore = list()->size();
            const int gapBefore = dialog->width() - button("Btn_OK")->geometry().right();
            dialog->resize(600, 500);
            QApplication::sendPostedEvents();
            QVERIFY(list()->width() > listBefore.width());
            QVERIFY(list()->height() > listBefore.height());
            QCOMPARE(dialog->width() - button("Btn_OK")->geometry().right(), gapBefore);
            dialog->reject();
        });
    }
};

QTEST_MAIN(OpenConfTest)
#include "open_conf_test.moc"
