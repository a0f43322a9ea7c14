#pragma once

#include "UiFixture.h"

#include "nmea/TFNMEA_0183_Set_Access2.h"
#include "widgets/GridView.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <string>

namespace birch::test {

// Drives the rule editor as a user does: shown through the scripted runner, cells clicked,
// drop-down items chosen and texts typed with mouse and keys.
struct RuleEditorDriver {
    using Window = TFNMEA_0183_Set_Access2;

    static int show(UiFixture& f, Window& window, std::function<void(Window&)> script)
    {
        f.runner.then([&window, script](QDialog&) {
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            script(window);
        });
        return f.context.modalRunner.run(window);
    }

    static QModelIndex indexOf(Window& w, int row, int column) { return w.table().model()->index(row - 1, column); }

    static void clickCell(Window& w, int row, int column)
    {
        const QModelIndex index = indexOf(w, row, column);
        w.table().scrollTo(index);
        QTest::mouseClick(w.table().viewport(), Qt::LeftButton, {}, w.table().visualRect(index).center());
    }

    // Clicks the cell, which opens its drop-down list, and clicks the item `text` in the list.
    static void choose(Window& w, int row, int column, const QString& text)
    {
        clickCell(w, row, column);
        auto* combo = qobject_cast<QComboBox*>(w.table().indexWidget(indexOf(w, row, column)));
        QVERIFY(combo != nullptr);
        const int at = combo->findText(text, Qt::MatchExactly);
        QVERIFY(at >= 0);
        QAbstractItemView* list = combo->view();
        const QModelIndex item = list->model()->index(at, 0);
        list->scrollTo(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    }

    // Selects a text cell, opens its editor with F2, types `text` over its content and presses Enter.
    static void type(Window& w, int row, int column, const QString& text)
    {
        clickCell(w, row, column);
        QTest::keyClick(&w.table(), Qt::Key_F2);
        auto* edit = qobject_cast<QLineEdit*>(w.table().indexWidget(indexOf(w, row, column)));
        QVERIFY(edit != nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
        // The delegate commits an editor closed by Enter from the event loop.
        QCoreApplication::processEvents();
    }

    static void click(QWidget& w, const char* name)
    {
        auto* button = w.findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY(button != nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    static std::string text(Window& w, int row, int column) { return w.table().grid().text(row, column); }
};

// A rule row of NMEA_0183_Set_Access.xml.
inline std::string ruleXml(const std::string& channel, const std::string& sentence, const std::string& field,
                           const std::string& position, const std::string& index = "", const std::string& enable = "Y")
{
    return "<row Enable=\"" + enable + "\" Serial_Channel=\"" + channel + "\" Sentence=\"" + sentence + "\" Index=\"" +
           index + "\" DataField=\"" + field + "\" PortOperation=\"None\" SwapAll=\"N\" Swap16=\"N\" Position=\"" +
           position + "\" Mnemonic=\"m\"/>";
}

inline std::string rulesFileXml(const std::string& rows)
{
    return "<NMEA_0183><NMEA_Listener>" + rows + "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.101-->";
}

} // namespace birch::test
