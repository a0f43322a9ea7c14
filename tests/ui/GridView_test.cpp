#include "ClippedTexts.h"
#include "UiFixture.h"

#include "widgets/GridView.h"
#include "widgets/RowButtons.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>
#include <memory>

using birch::GridView;
using birch::Prompter;
using birch::RowButtons;
using birch::RowFamily;

namespace {

constexpr int kRows = 6; // header + 5 data rows
constexpr int kColumns = 5;

// A small rule table: 1 check box, 2 drop-down, 3 text, 4 check box.
std::unique_ptr<GridView> makeView(birch::AppState& state, QWidget* parent = nullptr)
{
    auto view = std::make_unique<GridView>(state, kRows, kColumns, parent);
    auto& grid = view->grid();
    const char* headers[] = {"N", "Enable", "Channel", "Text", "Swap"};
    for (int c = 0; c < kColumns; ++c) {
        grid.setText(0, c, headers[c]);
        if (c > 0)
            grid.setHeaderHint(c, std::string("hint ") + headers[c]);
    }
    for (int r = 1; r < kRows; ++r) {
        grid.setCheckBox(r, 1, false);
        grid.setCheckBox(r, 4, false);
    }
    view->setDropDown(2, [](int, int) { return QStringList{QStringLiteral("RS232"), QStringLiteral("RS485 2")}; });
    view->refresh();
    view->resize(600, 300);
    view->show();
    return view;
}

QPoint centreOf(GridView& view, int row, int column)
{
    return view.visualRect(view.model()->index(row - 1, column)).center();
}

void click(GridView& view, int row, int column)
{
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(view, row, column));
}

QPoint headerCentre(GridView& view, int column)
{
    QHeaderView* header = view.horizontalHeader();
    return {header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2};
}

} // namespace

class GridViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void choosingFromADropDownCommitsAtOnce();
    void checkBoxesToggleByClickAndSpace();
    void readOnlyCellsDoNotEdit();
    void columnZeroClickSelectsTheRow();
    void enterJumpsWithTheOptionOn();
    void enterInAnOpenEditorCommitsAndJumps();
    void enterIsLeftToTheTableWithTheOptionOff();
    void headerHintsOnHeaderCellsOnly();
    void autoSizeOnlyOnHeaderDoubleClickWithTheOption();
    void autoSizeFitsTheWidestTextExactly_data();
    void autoSizeFitsTheWidestTextExactly();
    void rowButtonsDeleteWithConfirmation();
    void rowButtonsPasteRefusalsAndOverwrite();
    void markedCellsStandOut();
    void ownDoubleClickColumnOpensNoEditor();
    void stretchColumnsTakeAndGiveBackTheRoom();

private:
    birch::test::UiFixture fixture;
};

void GridViewTest::choosingFromADropDownCommitsAtOnce()
{
    auto view = makeView(fixture.state);
    QSignalSpy chosen(view.get(), &GridView::cellChosen);
    click(*view, 2, 2);
    auto* combo = qobject_cast<QComboBox*>(view->indexWidget(view->model()->index(1, 2)));
    QVERIFY(combo != nullptr);
    QVERIFY(!combo->isEditable());
    QCOMPARE(combo->count(), 2);
    QTRY_VERIFY(combo->view()->isVisible());
    QAbstractItemView* list = combo->view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualRect(list->model()->index(1, 0)).center());

    QCOMPARE(view->grid().text(2, 2), std::string("RS485 2"));
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toInt(), 2);
    QCOMPARE(chosen.at(0).at(1).toInt(), 2);
    QCOMPARE(chosen.at(0).at(2).toString(), QStringLiteral("RS485 2"));
    QTRY_COMPARE(view->findChildren<QComboBox*>().size(), 0);
    QVERIFY(!view->isEditing());

    // The same item again changes nothing and is not reported.
    click(*view, 2, 2);
    combo = qobject_cast<QComboBox*>(view->indexWidget(view->model()->index(1, 2)));
    QVERIFY(combo != nullptr);
    QCOMPARE(combo->currentText(), QStringLiteral("RS485 2"));
    Q_EMIT combo->activated(1);
    QCOMPARE(chosen.count(), 1);
    QVERIFY(fixture.problems().isEmpty());
}

void GridViewTest::checkBoxesToggleByClickAndSpace()
{
    auto view = makeView(fixture.state);
    QSignalSpy edited(view.get(), &GridView::cellEdited);
    click(*view, 3, 4);
    QVERIFY(view->grid().checked(3, 4));
    click(*view, 3, 4);
    QVERIFY(!view->grid().checked(3, 4));
    QTest::keyClick(view.get(), Qt::Key_Space);
    QVERIFY(view->grid().checked(3, 4));
    QCOMPARE(edited.count(), 3);
    QVERIFY(view->findChildren<QLineEdit*>().isEmpty());

    // A column whose "Y"/"N" text is edited through a box.
    view->grid().setCheckEditorColumn(3, true);
    view->grid().setText(3, 3, "N");
    view->refresh();
    click(*view, 3, 3);
    QCOMPARE(view->grid().text(3, 3), std::string("Y"));
    click(*view, 3, 3);
    QCOMPARE(view->grid().text(3, 3), std::string("N"));
}

void GridViewTest::readOnlyCellsDoNotEdit()
{
    auto view = makeView(fixture.state);
    view->grid().setReadOnly(2, 3, true);
    view->grid().setReadOnly(2, 4, true);
    view->grid().setText(2, 3, "kept");
    view->refresh();
    view->setCurrentCell(2, 3);
    QTest::keyClick(view.get(), Qt::Key_F2);
    QVERIFY(!view->isEditing());
    QTest::keyClicks(view.get(), QStringLiteral("x"));
    QCOMPARE(view->grid().text(2, 3), std::string("kept"));
    click(*view, 2, 4);
    QVERIFY(!view->grid().checked(2, 4));

    // An editable text cell opens a line edit on typing.
    view->setCurrentCell(3, 3);
    QTest::keyClick(view.get(), Qt::Key_A);
    auto* edit = qobject_cast<QLineEdit*>(view->indexWidget(view->model()->index(2, 3)));
    QVERIFY(edit != nullptr);
    QTest::keyClicks(edit, QStringLiteral("bc"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(view->grid().text(3, 3), std::string("abc"));
}

void GridViewTest::columnZeroClickSelectsTheRow()
{
    auto view = makeView(fixture.state);
    QSignalSpy current(view.get(), &GridView::currentCellChanged);
    click(*view, 4, 0);
    QCOMPARE(view->currentRow(), 4);
    QCOMPARE(view->currentColumn(), 1);
    QVERIFY(!current.isEmpty());
    QCOMPARE(current.last().at(0).toInt(), 4);
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), kColumns - 1); // the fixed column itself is not selectable
    for (const QModelIndex& index : selected)
        QCOMPARE(index.row(), 3);
    QCOMPARE(view->model()->index(3, 0).data().toString(), QStringLiteral("4"));

    click(*view, 2, 3);
    QCOMPARE(view->selectionModel()->selectedIndexes().size(), 1);
}

void GridViewTest::enterJumpsWithTheOptionOn()
{
    fixture.state.JumpFieldOnEnter = true;
    auto view = makeView(fixture.state);
    view->setCurrentCell(2, 3);
    QTest::keyClick(view.get(), Qt::Key_Return);
    QCOMPARE(view->currentRow(), 2);
    QCOMPARE(view->currentColumn(), 4);
    QTest::keyClick(view.get(), Qt::Key_Enter);
    QCOMPARE(view->currentRow(), 3);
    QCOMPARE(view->currentColumn(), 1);
    view->setCurrentCell(kRows - 1, kColumns - 1);
    QTest::keyClick(view.get(), Qt::Key_Return);
    QCOMPARE(view->currentRow(), 1);
    QCOMPARE(view->currentColumn(), 1);
    fixture.state.JumpFieldOnEnter = false;
}

void GridViewTest::enterInAnOpenEditorCommitsAndJumps()
{
    fixture.state.JumpFieldOnEnter = true;
    auto view = makeView(fixture.state);
    view->setCurrentCell(2, 3);
    QTest::keyClick(view.get(), Qt::Key_F2);
    auto* edit = qobject_cast<QLineEdit*>(view->indexWidget(view->model()->index(1, 3)));
    QVERIFY(edit != nullptr);
    QTest::keyClicks(edit, QStringLiteral("GGA"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(view->grid().text(2, 3), std::string("GGA"));
    QCOMPARE(view->currentRow(), 2);
    QCOMPARE(view->currentColumn(), 4);
    QVERIFY(!view->isEditing());
    fixture.state.JumpFieldOnEnter = false;
}

void GridViewTest::enterIsLeftToTheTableWithTheOptionOff()
{
    auto view = makeView(fixture.state);
    view->setCurrentCell(2, 3);
    QSignalSpy activated(view.get(), &QAbstractItemView::activated);
    QTest::keyClick(view.get(), Qt::Key_Return);
    QCOMPARE(view->currentRow(), 2);
    QCOMPARE(view->currentColumn(), 3);
    QCOMPARE(activated.count(), 1); // the table's own handling of Enter
}

void GridViewTest::headerHintsOnHeaderCellsOnly()
{
    auto view = makeView(fixture.state);
    QCOMPARE(view->model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Channel"));
    QCOMPARE(view->model()->headerData(2, Qt::Horizontal, Qt::ToolTipRole).toString(), QStringLiteral("hint Channel"));
    QVERIFY(!view->model()->headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
    QVERIFY(!view->model()->index(1, 2).data(Qt::ToolTipRole).isValid());
}

void GridViewTest::autoSizeOnlyOnHeaderDoubleClickWithTheOption()
{
    auto view = makeView(fixture.state);
    view->grid().setText(2, 3, "a rather long text that needs a wide column");
    view->refresh();
    view->setColumnWidth(3, 30);
    QSignalSpy doubleClicks(view.get(), &GridView::cellDoubleClicked);

    QTest::mouseDClick(view->horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier, headerCentre(*view, 3));
    QCOMPARE(view->columnWidth(3), 30); // option off
    QVERIFY(!doubleClicks.isEmpty());
    QCOMPARE(doubleClicks.last().at(0).toInt(), 0);

    fixture.state.DoubleClickAutoSize = true;
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(*view, 2, 3));
    view->closePersistentEditor(view->model()->index(1, 3));
    QCOMPARE(view->columnWidth(3), 30); // data cell
    QTest::mouseDClick(view->horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier, headerCentre(*view, 3));
    const int textWidth =
        view->fontMetrics().horizontalAdvance(QStringLiteral("a rather long text that needs a wide column"));
    QVERIFY(view->columnWidth(3) >= textWidth);
    QVERIFY(view->columnWidth(3) <= textWidth + 12); // no extra margin beyond the painter's own
    fixture.state.DoubleClickAutoSize = false;
}

void GridViewTest::autoSizeFitsTheWidestTextExactly_data()
{
    QTest::addColumn<QFont>("font");
    QTest::newRow("application font") << QApplication::font();
    QTest::newRow("large serif") << QFont(QStringLiteral("DejaVu Serif"), 17);
    QFont wide(QStringLiteral("DejaVu Sans"), 13);
    wide.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    QTest::newRow("spaced sans") << wide;
}

// Whatever the window's font, a header double click leaves no text of the column cut off,
// and the column is no wider than that: one pixel less cuts something.
void GridViewTest::autoSizeFitsTheWidestTextExactly()
{
    QFETCH(QFont, font);
    fixture.state.DoubleClickAutoSize = true;
    QWidget window;
    window.setFont(font);
    auto view = makeView(fixture.state, &window);
    window.resize(900, 300);
    window.show();
    auto& grid = view->grid();
    grid.setText(2, 2, "RS485 / RS422");
    grid.setText(4, 2, "RS232");
    grid.setText(1, 3, "Wind speed");
    grid.setText(3, 3, "Wind speed relative to the bow, knots");
    grid.setText(0, 4, "Swap the bytes of the field");
    view->refresh();

    struct Case {
        int column;
        QString widest;
    };
    const Case cases[] = {{2, QStringLiteral("RS485 / RS422")},
                          {3, QStringLiteral("Wind speed relative to the bow, knots")},
                          {4, QStringLiteral("Swap the bytes of the field")}};
    for (const Case& c : cases) {
        view->setColumnWidth(c.column, 20);
        QVERIFY(birch::test::clippedTexts(*view, c.column).contains(c.widest));
        view->scrollTo(view->model()->index(0, c.column));
        QTest::mouseDClick(view->horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                           headerCentre(*view, c.column));
        QVERIFY2(birch::test::clippedTexts(*view, c.column).isEmpty(),
                 qPrintable(birch::test::clippedTexts(*view, c.column).join(QStringLiteral(", "))));
        view->setColumnWidth(c.column, view->columnWidth(c.column) - 1);
        QCOMPARE(birch::test::clippedTexts(*view, c.column), QStringList{c.widest});
    }
    fixture.state.DoubleClickAutoSize = false;
}

void GridViewTest::rowButtonsDeleteWithConfirmation()
{
    auto view = makeView(fixture.state);
    RowButtons buttons(*view, fixture.state, fixture.prompter, RowFamily::CheckBox);
    for (int r = 1; r < kRows; ++r)
        view->grid().setText(r, 3, "row" + std::to_string(r));
    view->refresh();
    view->setCurrentCell(2, 3);

    fixture.prompter.answer(Prompter::Answer::No);
    QVERIFY(!buttons.deleteRow(fixture.state.TextTable[1039], true));
    QCOMPARE(view->grid().text(2, 3), std::string("row2"));

    fixture.prompter.answer(Prompter::Answer::Yes);
    QVERIFY(buttons.deleteRow(fixture.state.TextTable[1039], true));
    QCOMPARE(fixture.prompter.prompts.size(), 2);
    QCOMPARE(fixture.prompter.prompts.last().text, QStringLiteral("Are you sure to delete the Row number 2"));
    QCOMPARE(fixture.prompter.prompts.last().kind, Prompter::Kind::Question);
    QCOMPARE(fixture.prompter.prompts.last().buttons, Prompter::Buttons::YesNo);
    QCOMPARE(view->grid().text(2, 3), std::string("row3"));
    QCOMPARE(view->model()->index(1, 3).data().toString(), QStringLiteral("row3"));
    QVERIFY(view->grid().checked(kRows - 1, 1)); // the emptied last row is enabled
    fixture.prompter.prompts.clear();
    QVERIFY(fixture.problems().isEmpty());
}

void GridViewTest::rowButtonsPasteRefusalsAndOverwrite()
{
    fixture.state.CopyBuffer.clear();
    auto view = makeView(fixture.state);
    auto other = makeView(fixture.state);
    RowButtons buttons(*view, fixture.state, fixture.prompter, RowFamily::CheckBox);
    RowButtons otherButtons(*other, fixture.state, fixture.prompter, RowFamily::CheckBox);
    auto plain = std::make_unique<GridView>(fixture.state, 4, 3);
    RowButtons plainButtons(*plain, fixture.state, fixture.prompter, RowFamily::Plain);

    // Another table copied: this one has not, so 902.
    other->grid().setText(1, 3, "from other");
    other->setCurrentCell(1, 3);
    otherButtons.copyRow();
    fixture.prompter.answer(Prompter::Answer::Ok);
    QVERIFY(!buttons.pasteRow());
    QCOMPARE(fixture.prompter.prompts.last().text, QStringLiteral("Error!!! Copy a valid row before Paste it"));
    QCOMPARE(fixture.prompter.prompts.last().kind, Prompter::Kind::Error);

    // Copy here, with a box set, and paste into an unused row: no question.
    view->grid().setCheckBox(1, 4, true);
    view->grid().setText(1, 3, "GGA");
    view->setCurrentCell(1, 2);
    buttons.copyRow();
    view->setCurrentCell(3, 2);
    QVERIFY(buttons.pasteRow());
    QCOMPARE(view->grid().text(3, 3), std::string("GGA"));
    QVERIFY(view->grid().checked(3, 4));

    // Into a used row: 900, declined.
    view->grid().setText(4, 3, "used");
    view->setCurrentCell(4, 2);
    fixture.prompter.answer(Prompter::Answer::No);
    QVERIFY(!buttons.pasteRow());
    QCOMPARE(fixture.prompter.prompts.last().text,
             QStringLiteral("Row Already used. Do you want to overwrite the values?"));
    QCOMPARE(fixture.prompter.prompts.last().buttons, Prompter::Buttons::YesNo);
    QCOMPARE(view->grid().text(4, 3), std::string("used"));

    // A table of another width that has copied before: 901.
    plain->setCurrentCell(1, 1);
    plainButtons.copyRow();
    buttons.copyRow();
    fixture.prompter.answer(Prompter::Answer::Ok);
    QVERIFY(!plainButtons.pasteRow());
    QCOMPARE(fixture.prompter.prompts.last().text,
             QStringLiteral("Error in the Copy values!!! Copy a valid row before Paste it"));
    fixture.prompter.prompts.clear();
    QVERIFY(fixture.problems().isEmpty());
}

void GridViewTest::markedCellsStandOut()
{
    auto view = makeView(fixture.state);
    view->grid().setText(2, 3, "2003");
    view->grid().setMarked(2, 3, true);
    view->refresh();
    QCOMPARE(view->model()->index(1, 3).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    QVERIFY(!view->model()->index(2, 3).data(Qt::ForegroundRole).isValid());
    QCOMPARE(view->model()->index(1, 3).data().toString(), QStringLiteral("2003"));
    view->grid().setMarked(2, 3, false);
    QVERIFY(!view->model()->index(1, 3).data(Qt::ForegroundRole).isValid());
}

void GridViewTest::ownDoubleClickColumnOpensNoEditor()
{
    auto view = makeView(fixture.state);
    view->setOwnDoubleClick(3);
    view->setSuggestion(3, QStringLiteral("$VALUE$"));
    QSignalSpy doubleClicks(view.get(), &GridView::cellDoubleClicked);
    // A real double click: the first click, then the double click.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(*view, 2, 3));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(*view, 2, 3));
    QCOMPARE(doubleClicks.count(), 1);
    QCOMPARE(doubleClicks.at(0).at(0).toInt(), 2);
    QCOMPARE(doubleClicks.at(0).at(1).toInt(), 3);
    QVERIFY(!view->isEditing());

    // F2 still edits, and the editor suggests its text.
    QTest::keyClick(view.get(), Qt::Key_F2);
    auto* edit = qobject_cast<QLineEdit*>(view->indexWidget(view->model()->index(1, 3)));
    QVERIFY(edit != nullptr);
    QCOMPARE(edit->placeholderText(), QStringLiteral("$VALUE$"));
    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(fixture.problems().isEmpty());
}

// The wide text columns share the room the view has beyond its columns; the others keep their
// widths, and narrowing gives the room back down to the stretch columns' own widths.
void GridViewTest::stretchColumnsTakeAndGiveBackTheRoom()
{
    auto view = makeView(fixture.state);
    for (int column = 0; column < kColumns; ++column)
        view->setColumnWidth(column, 60);
    view->setStretchColumns({2, 3});
    const auto total = [&view] { return view->horizontalHeader()->length(); };
    QCOMPARE(total(), view->viewport()->width());
    QCOMPARE(view->columnWidth(1), 60);
    QCOMPARE(view->columnWidth(4), 60);
    QVERIFY(std::abs(view->columnWidth(2) - view->columnWidth(3)) <= 1);

    view->resize(view->width() + 200, view->height());
    QCOMPARE(total(), view->viewport()->width());
    QCOMPARE(view->columnWidth(1), 60);

    view->resize(200, view->height());
    QCOMPARE(view->columnWidth(2), 60);
    QCOMPARE(view->columnWidth(3), 60);
    QCOMPARE(view->columnWidth(1), 60);
}

QTEST_MAIN(GridViewTest)
#include "GridView_test.moc"
