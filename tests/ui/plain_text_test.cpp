#include "app/TFWindows.h"
#include "lang/ExtraTextNumbers.h"
#include "lang/ExtraTexts.h"
#include "lang/TextList.h"
#include "platform/ChildReaper.h"
#include "platform/ProgramLauncher.h"
#include "widgets/ModalWaitDialog.h"
#include "widgets/QtText.h"

#include "FakeComPortLister.h"
#include "FakeEcho.h"
#include "UiFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTextDocument>
#include <QWidget>

#include <memory>
#include <string>

using namespace birch;
using namespace birch::test;

namespace {

const QString kMarkup = QStringLiteral("<b>x</b>");

// True when a widget showing `text` in `format` would apply the markup instead of showing it.
bool appliesMarkup(const QString& text, Qt::TextFormat format)
{
    const bool rich = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    return rich && text.contains(QStringLiteral("<b>"));
}

// What a tooltip shows: Qt reads it as rich text whenever it looks like markup.
QString shownToolTip(const QString& tip)
{
    if (!Qt::mightBeRichText(tip))
        return tip;
    QTextDocument document;
    document.setHtml(tip);
    return document.toPlainText();
}

QString where(const QWidget* widget)
{
    QString path = widget->objectName();
    for (const QWidget* parent = widget->parentWidget(); parent != nullptr; parent = parent->parentWidget())
        if (!parent->objectName().isEmpty())
            path = parent->objectName() + QLatin1Char('/') + path;
    return path;
}

} // namespace

// Every text that comes from a file, a folder name, a language file or the user is shown as it
// is. A language file whose every text is markup, a language and a project whose names are
// markup: no window may apply any of it.
class PlainTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void noWindowAppliesMarkupFromFilesOrNames()
    {
        UiFixture fixture;
        const std::string name = "<b>Big";
        std::string language;
        for (int number = 0; number < TextList::kSize; ++number)
            language += "STR" + std::to_string(number) + " = <b>x</b>\r\n";
        for (const int number : ExtraTexts::numbers())
            language += "EXT" + std::to_string(number) + " = <b>x</b>\r\n";
        writeFixture(fixture.state.LanguageDir / (name + ".lng"), language);
        std::filesystem::create_directories(fixture.state.ProjectsDir / name);
        writeFixture(fixture.dir / "Mosaic.xml", "<Conf_Settings><lastproj><projectname>&lt;b&gt;Big</projectname>"
                                                 "</lastproj><lastlang><language>&lt;b&gt;Big</language></lastlang>"
                                                 "</Conf_Settings>");
        ChildReaper reaper;
        SystemProgramLauncher launcher(reaper);
        VirtualClock clock;
        FakeEchoTransport echo{clock};
        FakeComPortLister comPorts;
        MainWindowServices services(launcher);
        TFWindows windows(fixture.context, WindowServices{services, {echo, clock}, comPorts, {2026, 3, 5}},
                          {fixture.dir.path(), {}});
        QCOMPARE(fixture.state.TextTable[15], std::string("<b>x</b>"));

        // Shown, so that each fills what it fills on show (lists, language slots, values).
        TFMosaicFirmWare& main = windows.mainWindow();
        main.show();
        for (QDialog* dialog : main.findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly))
            dialog->show();
        // The progress window of the waits names the program it waits for.
        const ModalWaitDialog wait(&main, qs(fixture.state.Extra[ext::kWaitingForProgram] + name),
                                   qs(fixture.state.Extra[ext::kCaptionCancel]));

        QStringList applied;
        int literalLabels = 0;
        int literalToolTips = 0;
        QList<QWidget*> all = main.findChildren<QWidget*>();
        all.prepend(&main);
        for (QWidget* widget : all) {
            if (const auto* label = qobject_cast<QLabel*>(widget)) {
                if (appliesMarkup(label->text(), label->textFormat()))
                    applied << QStringLiteral("label ") + where(label) + QStringLiteral(": ") + label->text();
                else if (label->text().contains(QStringLiteral("<b>")))
                    ++literalLabels;
            }
            if (!widget->toolTip().isEmpty()) {
                if (appliesMarkup(widget->toolTip(), Qt::AutoText))
                    applied << QStringLiteral("tooltip ") + where(widget) + QStringLiteral(": ") + widget->toolTip();
                else if (shownToolTip(widget->toolTip()).contains(kMarkup))
                    ++literalToolTips;
            }
            if (const auto* view = qobject_cast<QAbstractItemView*>(widget); view != nullptr && view->model()) {
                for (int column = 0; column < view->model()->columnCount(); ++column) {
                    const QString hint = view->model()->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
                    if (appliesMarkup(hint, Qt::AutoText))
                        applied << QStringLiteral("header tooltip ") + where(widget) + QStringLiteral(": ") + hint;
                }
            }
        }
        QVERIFY2(applied.isEmpty(), qPrintable(applied.join(QLatin1Char('\n'))));

        // The walk met the texts it is about.
        QVERIFY(literalLabels > 20);
        QVERIFY(literalToolTips > 20);
        const auto* box = main.findChild<QLabel*>(QStringLiteral("L_Name_Conf_L2"));
        QCOMPARE(box->text(), QStringLiteral("<b>Big"));
        const auto* projects = main.findChild<QListWidget*>(QStringLiteral("ListBox1"));
        QCOMPARE(projects->item(0)->text(), QStringLiteral("<b>Big"));
        const auto* languageSlot = main.findChild<QLabel*>(QStringLiteral("L_L1"));
        QCOMPARE(languageSlot->text(), QStringLiteral("<b>Big"));
        QCOMPARE(shownToolTip(main.findChild<QWidget*>(QStringLiteral("Btn_New"))->toolTip()), kMarkup);
        QVERIFY2(fixture.problems().isEmpty(), qPrintable(fixture.problems().join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(PlainTextTest)
#include "plain_text_test.moc"
