#include "UiFixture.h"

#include "profiles/TFTopicTemplate.h"
#include "widgets/QtText.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <functional>

using birch::TFTopicTemplate;

class TFTopicTemplate_test : public QObject {
    Q_OBJECT

private:
    // Shows the dialog through the scripted runner, runs `script` on it, and returns the result.
    static int show(birch::test::UiFixture& f, TFTopicTemplate& dialog, std::function<void(TFTopicTemplate&)> script)
    {
        f.runner.then([&dialog, script](QDialog&) {
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            script(dialog);
        });
        return f.context.modalRunner.run(dialog);
    }

    static void click(TFTopicTemplate& d, const char* name)
    {
        auto* button = d.findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY(button != nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    static QString description(TFTopicTemplate& d) { return d.findChild<QLabel*>(QStringLiteral("L_SW_Desc"))->text(); }

private Q_SLOTS:
    void textsAndKeywordList()
    {
        birch::test::UiFixture f;
        TFTopicTemplate d(f.context);
        QCOMPARE(d.size(), QSize(635, 396));
        QCOMPARE(d.windowTitle(), QStringLiteral("Set Topic"));
        QCOMPARE(d.findChild<QLabel*>(QStringLiteral("L_List_Keywords"))->text(), QStringLiteral("List of keywords"));
        QTableWidget& keywords = d.keywords();
        QCOMPARE(keywords.horizontalHeaderItem(0)->text(), QStringLiteral("Keyword"));
        QCOMPARE(keywords.horizontalHeaderItem(1)->text(), QStringLiteral("Description of Keyword"));
        QCOMPARE(keywords.rowCount(), 1);
        QCOMPARE(keywords.item(0, 0)->text(), QStringLiteral("$VALUE$"));
        QCOMPARE(keywords.item(0, 1)->text(), QStringLiteral("The value at the row's Position in the data area"));
        for (int c = 0; c < 2; ++c)
            QVERIFY(!(keywords.item(0, c)->flags() & Qt::ItemIsEditable));

        // The caption follows what the showing edits, in the current language.
        f.state.TextTable.set(1401, "Modello");
        f.state.Extra.set(622, "Il valore");
        d.Set_Target(true, 1, 0);
        show(f, d, [&](TFTopicTemplate& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Modello"));
            QCOMPARE(description(d), QStringLiteral("Set Template"));
            QCOMPARE(d.keywords().item(0, 1)->text(), QStringLiteral("Il valore"));
            click(d, "Btn_Cancel");
        });
        d.Set_Target(false, 1, 1);
        show(f, d, [&](TFTopicTemplate& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Set Topic"));
            QCOMPARE(description(d), QStringLiteral("Set Topic"));
            click(d, "Btn_Cancel");
        });
        f.state.TextTable.set(1408, "Annulla");
        d.Set_Lang();
        QCOMPARE(d.findChild<QPushButton*>(QStringLiteral("Btn_Cancel"))->text(), QStringLiteral("Annulla"));
        QVERIFY(f.problems().isEmpty());
    }

    void okKeepsTheEditedTextAndEnterStartsANewLine()
    {
        birch::test::UiFixture f;
        TFTopicTemplate d(f.context);
        d.Set_Target(true, 1, 0);
        d.setText(QStringLiteral("{\"v\":"));
        const int result = show(f, d, [&](TFTopicTemplate& d) {
            QCOMPARE(QApplication::focusWidget(), &d.editor());
            d.editor().moveCursor(QTextCursor::End);
            QTest::keyClick(&d.editor(), Qt::Key_Return);
            QVERIFY(d.isVisible());
            // A double click on a keyword writes it at the cursor.
            const QPoint cell = d.keywords().visualItemRect(d.keywords().item(0, 0)).center();
            QTest::mouseClick(d.keywords().viewport(), Qt::LeftButton, {}, cell);
            QTest::mouseDClick(d.keywords().viewport(), Qt::LeftButton, {}, cell);
            QTest::mouseRelease(d.keywords().viewport(), Qt::LeftButton, {}, cell);
            QTest::keyClicks(&d.editor(), QStringLiteral("}"));
            click(d, "Btn_OK");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(d.text(), QStringLiteral("{\"v\":\n$VALUE$}"));

        // The next use starts from the caller's text only; Escape leaves it as the caller gave it.
        d.setText(QStringLiteral("plant/<b>level</b>"));
        const int escaped = show(f, d, [&](TFTopicTemplate& d) {
            QCOMPARE(d.editor().toPlainText(), QStringLiteral("plant/<b>level</b>"));
            QTest::keyClick(&d.editor(), Qt::Key_Escape);
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(escaped, int(QDialog::Rejected));
        QVERIFY(f.problems().isEmpty());
    }
};

QTEST_MAIN(TFTopicTemplate_test)
#include "TFTopicTemplate_test.moc"
