#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace birch {

// One cell of a rule table: a text, or a check box with its state. A check-box cell keeps its
// text too, but the table shows only the box.
struct GridCell {
    std::string text;
    bool hasCheckBox = false;
    bool checked = false;
    bool readOnly = false;
    // Drawn so that it stands out: a value the user should look at.
    bool marked = false;
};

// A rule table of fixed size: row 0 is the header row, column 0 the fixed column (row numbers).
// Data rows are 1..lastRow(), data columns 1..lastColumn(). A hidden column still holds data.
// A column may be edited through a check box while its value stays a text ("Y" or "N").
class GridModel {
public:
    GridModel(int rows, int columns);

    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }
    int lastRow() const { return rows_ - 1; }
    int lastColumn() const { return columns_ - 1; }
    bool isDataRow(int row) const { return row >= 1 && row < rows_; }
    bool contains(int row, int column) const { return row >= 0 && row < rows_ && column >= 0 && column < columns_; }

    GridCell& cell(int row, int column);
    const GridCell& cell(int row, int column) const;

    const std::string& text(int row, int column) const { return cell(row, column).text; }
    void setText(int row, int column, std::string text) { cell(row, column).text = std::move(text); }
    bool hasCheckBox(int row, int column) const { return cell(row, column).hasCheckBox; }
    bool checked(int row, int column) const { return cell(row, column).checked; }
    // Gives the cell a check box (if it had none) in the given state.
    void setCheckBox(int row, int column, bool checked);
    void removeCheckBox(int row, int column);
    bool readOnly(int row, int column) const { return cell(row, column).readOnly; }
    void setReadOnly(int row, int column, bool readOnly) { cell(row, column).readOnly = readOnly; }
    bool marked(int row, int column) const { return cell(row, column).marked; }
    void setMarked(int row, int column, bool marked) { cell(row, column).marked = marked; }

    // The hint of a header cell; data cells have none.
    const std::string& headerHint(int column) const;
    void setHeaderHint(int column, std::string hint);

    bool columnHidden(int column) const;
    void setColumnHidden(int column, bool hidden);
    // Columns whose text value ("Y"/"N") is edited through a check box.
    bool checkEditorColumn(int column) const;
    void setCheckEditorColumn(int column, bool on);

    // Shown columns, the fixed column included; shown plus hidden columns is columnCount().
    int shownColumnCount() const;
    // The shown data columns in column order, and all data columns (hidden ones included).
    std::vector<int> shownDataColumns() const;
    std::vector<int> allDataColumns() const;

    // Column 0 of every data row shows its row number.
    void numberRows();

private:
    // Where a cell is stored; a cell outside the grid is a programming error and throws.
    std::size_t offset(int row, int column) const;

    int rows_;
    int columns_;
    std::vector<GridCell> cells_;
    std::vector<std::string> headerHints_;
    std::vector<bool> hidden_;
    std::vector<bool> checkEditor_;
};

} // namespace birch
