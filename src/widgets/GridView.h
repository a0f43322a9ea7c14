#pragma once

#include "common/GridModel.h"
#include "core/AppState.h"

#include <QStringList>
#include <QTableView>

#include <functional>
#include <map>
#include <set>
#include <vector>

namespace birch {

class GridDelegate;
class GridTableModel;

// The view of every rule table over a core grid it owns: header row as the table's header with
// hints, column 0 with the row numbers (a click there selects the whole row), text, drop-down
// and check-box cells with editors made on demand, read-only cells, and the two behaviours the
// options switch on: auto-size on a header double click and the Enter jump.
// Rows and columns are the grid's: data rows from 1, the header is row 0.
class GridView final : public QTableView {
    Q_OBJECT

public:
    // Items offered by the drop-down of a cell; a choice not among them cannot be typed.
    using DropDownItems = std::function<QStringList(int row, int column)>;

    GridView(AppState& state, int rows, int columns, QWidget* parent = nullptr);
    ~GridView() override;

    GridModel& grid() { return grid_; }
    const GridModel& grid() const { return grid_; }
    // Shows the grid again after it was changed directly (texts, boxes, read-only, hidden columns).
    void refresh();
    void refreshCell(int row, int column);

    // Cells of `column` are edited through a drop-down list with these items.
    void setDropDown(int column, DropDownItems items);
    bool isDropDownColumn(int column) const;
    QStringList dropDownItems(int row, int column) const;

    // The text editor of `column` suggests `text`: greyed while the cell is empty, and offered
    // as a completion while typing.
    void setSuggestion(int column, const QString& text);
    QString suggestion(int column) const;

    // A double click on a data cell of `column` opens no editor: the table's cellDoubleClicked
    // handler edits the cell its own way (F2 and typing still open the editor).
    void setOwnDoubleClick(int column);

    using QTableView::edit;

    // Whether a cell editor is open.
    bool isEditing() const { return state() == EditingState; }

    int currentRow() const;
    int currentColumn() const;
    void setCurrentCell(int row, int column);
    // Makes the cell current, scrolls it into view and gives the table the keyboard focus.
    void focusCell(int row, int column);

    // The wide text columns: they take the room the view has beyond all columns' widths,
    // shared evenly, and give it back as the view narrows, never below the width they had when
    // named here. The user may still size every column, and auto-size stays as it is.
    void setStretchColumns(std::vector<int> columns);

    // Widens each column whose header text would be cut to the header's width; a column wide
    // enough stays as it is. The tables call it whenever their header texts change.
    void widenToHeaders();

    // The option-driven behaviours; the table calls them from its own events.
    void Auto_Size_Column(int row, int column);
    bool Jump_Next_Field(int key);

Q_SIGNALS:
    // A new item was chosen from a drop-down list; the cell already holds it.
    void cellChosen(int row, int column, const QString& text);
    // Any change of a cell's text or box by the user.
    void cellEdited(int row, int column);
    void currentCellChanged(int row, int column);
    // Row 0 for the header.
    void cellDoubleClicked(int row, int column);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class GridDelegate;
    void doubleClickedAt(int row, int column);
    void commitChoice(QWidget* editor, const QModelIndex& index);
    bool jumpFromEditor(QWidget* editor);
    void openDropDown(const QModelIndex& index);
    void selectWholeRow(int row);
    int contentWidth(int column) const;
    int headerWidth(int column) const;
    void fillWidth();

    AppState& state_;
    GridModel grid_;
    GridTableModel* model_;
    GridDelegate* delegate_;
    std::map<int, DropDownItems> dropDowns_;
    std::map<int, QString> suggestions_;
    std::set<int> ownDoubleClick_;
    std::map<int, int> stretchColumns_; // column -> its narrowest width
};

} // namespace birch
