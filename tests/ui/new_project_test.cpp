#include "app/TFNew_Project.h"

#include "UiFixture.h"

#include "lang/ExtraTextNumbers.h"
#include "platform/FileNameLimit.h"
#include "widgets/QtText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>
#include <system_error>

using namespace birch;
using namespace birch::test;

namespace fs = std::filesystem;

class NewProjectTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> fixture;
    std::unique_ptr<TFNew_Project> dialog;

    QLineEdit* edit() const { return dialog->findChild<QLineEdit*>(QStringLiteral("E_New_Proj")); }
    QPushButton* button(const char* name) const { return dialog->findChild<QPushButton*>(QLatin1String(name)); }

    // Shows the dialog through the modal runner and runs `script` on it.
    int run(ScriptedModalRunner::Script script)
    {
        fixture->runner.then(std::move(script));
        return fixture->runner.run(*dialog);
    }

private Q_SLOTS:
    void init()
    {
        fixture = std::make_unique<UiFixture>();
        fs::create_directories(fixture->state.ProjectsDir / "Existing");
        dialog = std::make_unique<TFNew_Project>(fixture->context);
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
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Create New Configuration"));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("L_SW_Code"))->text(), QStringLiteral("Birchcfg"));
        QCOMPARE(dialog->size(), QSize(331, 162));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());

        for (int number = 100; number <= 110; ++number)
            fixture->state.TextTable.set(number, "T" + std::to_string(number));
        dialog->Set_Lang();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("T100"));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("L_SW_Desc"))->text(), QStringLiteral("T101"));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("T102"));
        QCOMPARE(button("Btn_OK")->text(), QStringLiteral("T103"));
        QCOMPARE(button("Btn_OK")->toolTip(), QStringLiteral("T109"));
        QCOMPARE(button("Btn_Cancel")->text(), QStringLiteral("T104"));
        QCOMPARE(button("Btn_Cancel")->toolTip(), QStringLiteral("T110"));
        QCOMPARE(edit()->toolTip(), QStringLiteral("T108"));
    }

    void refusedNamesKeepTheDialogOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString empty = QStringLiteral("Error! Name Project is not valid");
        const QString exists = QStringLiteral("Error! Name project is not valid because directory already exists");
        const QString notValid = QStringLiteral("Error! Name project is not valid");
        QTest::newRow("empty") << QString() << empty;
        QTest::newRow("existing") << QStringLiteral("Existing") << exists;
        QTest::newRow("dot") << QStringLiteral(".") << exists;
        QTest::newRow("dot dot") << QStringLiteral("..") << exists;
        const auto because = [&](int reason) { return notValid + QLatin1Char('\n') + qs(ExtraTexts()[reason]); };
        QTest::newRow("separator") << QStringLiteral("a/b") << because(ext::kNameHasSeparator);
        QTest::newRow("outside") << QStringLiteral("../Outside") << because(ext::kNameHasSeparator);
        QTest::newRow("hidden") << QStringLiteral(".Hidden") << because(ext::kNameStartsWithDot);
        QTest::newRow("too long") << QString(300, QLatin1Char('x'))
                                  << because(ext::kNameTooLong) + QStringLiteral("300") +
                                         qs(ExtraTexts()[ext::kNameTooLongLimit]) +
                                         QString::number(maxFileNameBytes(fs::temp_directory_path()));
    }

    void refusedNamesKeepTheDialogOpen()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        const auto before = std::vector<fs::path>(fs::recursive_directory_iterator(fixture->dir.path()), {});
        fixture->prompter.answer(Prompter::Answer::Ok);
        fixture->prompter.answer(Prompter::Answer::Ok);

        const int result = run([&](QDialog&) {
            QTest::keyClicks(edit(), name);
            QTest::keyClick(edit(), Qt::Key_Return); // Enter in the box acts as OK
            QVERIFY(dialog->isVisible());
            QCOMPARE(edit()->text(), name); // left for the user to correct
            QTest::mouseClick(button("Btn_OK"), Qt::LeftButton);
            QVERIFY(dialog->isVisible());
            QTest::mouseClick(button("Btn_Cancel"), Qt::LeftButton);
        });

        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(fixture->prompter.prompts.size(), 2);
        for (const auto& prompt : fixture->prompter.prompts) {
            QCOMPARE(prompt.kind, Prompter::Kind::Error);
            QCOMPARE(prompt.text, message);
            QCOMPARE(prompt.buttons, Prompter::Buttons::Ok);
        }
        QVERIFY(!fixture->state.projectActive());
        QCOMPARE(std::vector<fs::path>(fs::recursive_directory_iterator(fixture->dir.path()), {}), before);
    }

    void folderThatCannotBeCreatedIsText105()
    {
        fixture->state.ProjectsDir = fixture->dir / "missing";
        fixture->prompter.answer(Prompter::Answer::Ok);
        run([&](QDialog&) {
            QTest::keyClicks(edit(), QStringLiteral("Ship"));
            QTest::keyClick(edit(), Qt::Key_Enter);
            QTest::mouseClick(button("Btn_Cancel"), Qt::LeftButton);
        });
        QCOMPARE(fixture->prompter.prompts.size(), 1);
        QCOMPARE(fixture->prompter.prompts.first().text,
                 QStringLiteral("Error! Name project is not valid\n") +
                     qs(fixture->state.Extra[ext::kFolderNotCreated] +
                        std::make_error_code(std::errc::no_such_file_or_directory).message()));
    }

    void enterCreatesTheProjectAndMakesItActive()
    {
        const int result = run([&](QDialog&) {
            QCOMPARE(dialog->focusWidget(), edit());
            QTest::keyClicks(edit(), QStringLiteral("Ship 2"));
            QTest::keyClick(edit(), Qt::Key_Return);
        });

        QCOMPARE(result, int(QDialog::Accepted));
        const fs::path folder = fixture->state.ProjectsDir / "Ship 2";
        QVERIFY(fs::is_directory(folder / "bin"));
        QCOMPARE(fixture->state.ProjectName, std::string("Ship 2"));
        QCOMPARE(fixture->state.ProjectDir, folder);
        QCOMPARE(fixture->state.ParGenFile, folder / "ParGen.xml");
        QVERIFY(fixture->prompter.prompts.isEmpty());
    }

    void everyShowStartsWithAnEmptyBox()
    {
        run([&](QDialog&) {
            QTest::keyClicks(edit(), QStringLiteral("half typed"));
            QTest::mouseClick(button("Btn_Cancel"), Qt::LeftButton);
        });
        run([&](QDialog&) {
            QCOMPARE(edit()->text(), QString());
            QCOMPARE(dialog->focusWidget(), edit());
            dialog->reject();
        });
        QVERIFY(!fs::exists(fixture->state.ProjectsDir / "half typed"));
    }
};

QTEST_MAIN(NewProjectTest)
#include "new_project_test.moc"
