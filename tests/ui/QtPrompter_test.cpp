#include "lang/ExtraTextNumbers.h"
#include "lang/ExtraTexts.h"
#include "widgets/Prompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace birch;

Q_DECLARE_METATYPE(birch::Prompter::Buttons)
Q_DECLARE_METATYPE(birch::Prompter::Answer)

class QtPrompterTest : public QObject {
    Q_OBJECT

private:
    ExtraTexts texts;

    // Runs `look` on the box once it is shown; `look` must close it.
    static void whenShown(QObject* context, const std::function<void(QMessageBox&)>& look)
    {
        QTimer::singleShot(0, context, [look] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            look(*box);
        });
    }

private Q_SLOTS:
    void messageTextIsPlain()
    {
        const QString text = QStringLiteral("Cannot write: /tmp/<b>x</b> & y");
        Qt::TextFormat format = Qt::AutoText;
        QString shown;
        whenShown(this, [&](QMessageBox& box) {
            format = box.textFormat();
            shown = box.text();
            box.button(QMessageBox::No)->click();
        });
        QtPrompter prompter(texts);
        QCOMPARE(prompter.question(nullptr, text), Prompter::Answer::No);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, text);
    }

    void enterAnswersTheDefault_data()
    {
        QTest::addColumn<Prompter::Buttons>("buttons");
        QTest::addColumn<Prompter::Answer>("defaultAnswer");
        QTest::newRow("destructive Yes/No") << Prompter::Buttons::YesNo << Prompter::Answer::No;
        QTest::newRow("destructive Yes/No/Cancel") << Prompter::Buttons::YesNoCancel << Prompter::Answer::No;
        QTest::newRow("plain question") << Prompter::Buttons::YesNo << Prompter::Answer::Yes;
        QTest::newRow("message") << Prompter::Buttons::Ok << Prompter::Answer::Ok;
    }

    void enterAnswersTheDefault()
    {
        QFETCH(Prompter::Buttons, buttons);
        QFETCH(Prompter::Answer, defaultAnswer);
        whenShown(this, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
        QtPrompter prompter(texts);
        QCOMPARE(prompter.message(nullptr, Prompter::Kind::Question, QStringLiteral("Sure?"), buttons, defaultAnswer),
                 defaultAnswer);
    }

    void captionsFollowTheLanguage()
    {
        texts.set(ext::kCaptionYes, "S\xC3\xAC");
        texts.set(ext::kCaptionNo, "No, grazie");
        texts.set(ext::kCaptionCancel, "Annulla");
        texts.set(ext::kCaptionOk, "Va bene");
        QStringList captions;
        whenShown(this, [&](QMessageBox& box) {
            for (const auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
                captions << box.button(button)->text();
            box.button(QMessageBox::Cancel)->click();
        });
        QtPrompter prompter(texts);
        QCOMPARE(prompter.destructiveQuestion(nullptr, QStringLiteral("Overwrite?"), Prompter::Buttons::YesNoCancel),
                 Prompter::Answer::Cancel);
        QCOMPARE(captions,
                 (QStringList{QStringLiteral("S\u00EC"), QStringLiteral("No, grazie"), QStringLiteral("Annulla")}));

        QString ok;
        whenShown(this, [&](QMessageBox& box) {
            ok = box.button(QMessageBox::Ok)->text();
            box.button(QMessageBox::Ok)->click();
        });
        prompter.error(nullptr, QStringLiteral("Broken"));
        QCOMPARE(ok, QStringLiteral("Va bene"));
        texts.reset();
    }
};

QTEST_MAIN(QtPrompterTest)
#include "QtPrompter_test.moc"
