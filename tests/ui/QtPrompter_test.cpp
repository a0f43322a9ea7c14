#include "widgets/Prompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace birch;

class QtPrompterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void messageTextIsPlain()
    {
        const QString text = QStringLiteral("Cannot write: /tmp/<b>x</b> & y");
        Qt::TextFormat format = Qt::AutoText;
        QString shown;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            format = box->textFormat();
            shown = box->text();
            box->button(QMessageBox::No)->click();
        });
        QtPrompter prompter;
        QCOMPARE(prompter.question(nullptr, text), Prompter::Answer::No);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, text);
    }
};

QTEST_MAIN(QtPrompterTest)
#include "QtPrompter_test.moc"
