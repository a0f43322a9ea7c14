#include "core/BuildConstants.h"
#include "options/MakerAddresses.h"
#include "options/TFAbout.h"

#include "UiFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace birch;
using birch::test::UiFixture;

namespace {

// A desktop that refuses every address.
class RefusingUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl&) override { return false; }
};

QLabel* label(QDialog& dialog, const char* name)
{
    auto* widget = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    if (widget == nullptr)
        qFatal("no label %s", name);
    return widget;
}

QUrl homePage()
{
    return QUrl(QString::fromStdString(Home_Page_Url(Maker_Addresses().homePage, SoftwareCode)));
}

} // namespace

class TFAboutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTheFixedCaptionsAndTheBuild()
    {
        UiFixture fx;
        fx.state.TextTable.set(312, "Conferma"); // the box ignores the text table
        TFAbout about(fx.context);
        fx.runner.then([&](QDialog& dialog) {
            QCOMPARE(dialog.size(), QSize(425, 148));
            QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
            QCOMPARE(label(dialog, "Label1")->text(), QStringLiteral("Software Mosaic "));
            QCOMPARE(label(dialog, "Label2")->text(), QStringLiteral("NMEA 0183 / Modbus Slave - Converter"));
            QCOMPARE(label(dialog, "Label6")->text(), QStringLiteral("Software Code : "));
            QCOMPARE(label(dialog, "Label9")->text(), QStringLiteral("Birchcfg"));
            QCOMPARE(label(dialog, "Label3")->text(), QStringLiteral("Version :"));
            QCOMPARE(label(dialog, "Label10")->text(), QStringLiteral("1.101"));
            QCOMPARE(label(dialog, "Label8")->text(), QStringLiteral("Document Code :"));
            QCOMPARE(label(dialog, "Label12")->text(), QStringLiteral("Birchdoc"));
            QVERIFY(!label(dialog, "Image2")->pixmap().isNull());
            QVERIFY(label(dialog, "Label4")->isVisible());
            QCOMPARE(label(dialog, "Label4")->text(),
                     QString::fromStdString(Web_Address_Caption(Maker_Addresses().homePage)));
            auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("Btn_OK"));
            QCOMPARE(ok->text(), QStringLiteral("OK"));
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        QCOMPARE(fx.context.modalRunner.run(about), int(QDialog::Accepted));
        QVERIFY(fx.problems().isEmpty());
    }

    void logoAndAddressOpenTheHomePage()
    {
        UiFixture fx;
        TFAbout about(fx.context);
        fx.runner.then([&](QDialog& dialog) {
            QTest::mouseClick(label(dialog, "Image2"), Qt::LeftButton);
            QTest::mouseClick(label(dialog, "Label4"), Qt::LeftButton);
            label(dialog, "Label4")->setFocus();
            QTest::keyClick(label(dialog, "Label4"), Qt::Key_Space);
            dialog.accept();
        });
        fx.context.modalRunner.run(about);
        QCOMPARE(fx.urlOpener.opened, (QList<QUrl>{homePage(), homePage(), homePage()}));
        QVERIFY(homePage().query().endsWith(QStringLiteral("frompg=Birchcfg")));
        QVERIFY(fx.problems().isEmpty());
    }

    // Enter on the address opens it; Enter elsewhere does nothing; OK closes.
    void enterDoesNotCloseTheBox()
    {
        UiFixture fx;
        TFAbout about(fx.context);
        fx.runner.then([&](QDialog& dialog) {
            label(dialog, "Label4")->setFocus();
            QTest::keyClick(label(dialog, "Label4"), Qt::Key_Return);
            QVERIFY(dialog.isVisible());
            QTest::keyClick(&dialog, Qt::Key_Enter);
            QVERIFY(dialog.isVisible());
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Btn_OK")), Qt::LeftButton);
        });
        QCOMPARE(fx.context.modalRunner.run(about), int(QDialog::Accepted));
        QCOMPARE(fx.urlOpener.opened, QList<QUrl>{homePage()});
        QVERIFY(fx.problems().isEmpty());
    }

    void refusedAddressIsReported()
    {
        UiFixture fx;
        RefusingUrlOpener refusing;
        UiContext context{fx.state, fx.prompter, refusing, fx.runner, fx.fileWriter};
        TFAbout about(context);
        fx.prompter.answer(Prompter::Answer::Ok);
        fx.runner.then([&](QDialog& dialog) {
            QTest::mouseClick(label(dialog, "Image2"), Qt::LeftButton);
            dialog.accept();
        });
        context.modalRunner.run(about);
        QCOMPARE(fx.prompter.prompts.size(), 1);
        QCOMPARE(fx.prompter.prompts[0].kind, Prompter::Kind::Warning);
        QCOMPARE(fx.prompter.prompts[0].text,
                 QStringLiteral("The address cannot be opened in the web browser: ") + homePage().toString());
        QVERIFY(fx.problems().isEmpty());
    }

    void screenshot()
    {
        const QByteArray folder = qgetenv("BIRCH_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set BIRCH_SCREENSHOT_DIR to write docs/about.png");
        UiFixture fx;
        TFAbout about(fx.context);
        fx.runner.then([&](QDialog& dialog) {
            QVERIFY(dialog.grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/about.png")));
            dialog.accept();
        });
        fx.context.modalRunner.run(about);
    }
};

QTEST_MAIN(TFAboutTest)
#include "TFAbout_test.moc"
