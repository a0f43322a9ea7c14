#include "common/GridRowOperations.h"

#include "common/TextUtil.h"

#include <cstddef>

namespace birch {

namespace {

// A check box passes its state, any other cell its text.
void moveCheckCell(GridModel& table, int fromRow, int toRow, int column)
{
    if (table.hasCheckBox(fromRow, column))
        table.setCheckBox(toRow, column, table.checked(fromRow, column));
    else
        table.setText(toRow, column, table.text(fromRow, column));
}

// The emptied row of the check-box family: texts cleared, the box of column 1 follows
// `enable`, every other box unchecked.
void clearCheckRow(GridModel& table, int row, bool enable)
{
    for (int c : table.allDataColumns()) {
        if (!table.hasCheckBox(row, c))
            table.setText(row, c, std::string());
        else
            table.setCheckBox(row, c, c == 1 && enable);
    }
}

} // namespace

void Delete_Row(int row, GridModel& table)
{
    if (!table.isDataRow(row))
        return;
    // Hidden columns move too: their values belong to the row, and a value left behind would be
    // saved with the next row's data (Insert moves them for the same reason).
    const auto columns = table.allDataColumns();
    for (int i = row; i < table.lastRow(); ++i)
        for (int c : columns)
            table.setText(i, c, table.text(i + 1, c));
    for (int c : columns)
        table.setText(table.lastRow(), c, std::string());
}

void Insert_Row(int row, GridModel& table, bool enable)
{
    if (!table.isDataRow(row))
        return;
    const auto columns = table.allDataColumns();
    for (int i = table.lastRow() - 1; i >= row; --i)
        for (int c : columns)
            table.setText(i + 1, c, table.text(i, c));
    for (int c : columns)
        table.setText(row, c, c == 1 && enable ? "Y" : std::string());
}

void Copy_Row(const GridModel& table, int row, std::vector<std::string>& CopyBuffer)
{
    if (!table.isDataRow(row))
        return;
    CopyBuffer.clear();
    for (int c : table.shownDataColumns())
        CopyBuffer.push_back(table.text(row, c));
}

void Delete_Row_Check(int row, GridModel& table, bool enable)
{
    if (!table.isDataRow(row))
        return;
    for (int i = row; i < table.lastRow(); ++i)
        for (int c : table.allDataColumns())
            moveCheckCell(table, i + 1, i, c);
    clearCheckRow(table, table.lastRow(), enable);
}

void Insert_Row_Check(int row, GridModel& table, bool enable)
{
    if (!table.isDataRow(row))
        return;
    for (int i = table.lastRow() - 1; i >= row; --i)
        for (int c : table.allDataColumns())
            moveCheckCell(table, i, i + 1, c);
    clearCheckRow(table, row, enable);
}

void Copy_Row_Check(const GridModel& table, int row, std::vector<std::string>& CopyBuffer,
                    std::vector<bool>& CheckBoxColumns)
{
    if (!table.isDataRow(row))
        return;
    CopyBuffer.clear();
    CheckBoxColumns.clear();
    for (int c : table.allDataColumns()) {
        const bool box = table.hasCheckBox(row, c);
        CheckBoxColumns.push_back(box);
        CopyBuffer.push_back(box ? (table.checked(row, c) ? "Y" : "N") : table.text(row, c));
    }
}

PasteOutcome Paste_Row(GridModel& table, int row, bool copied, const std::vector<std::string>& CopyBuffer,
                       const ConfirmOverwrite& confirmOverwrite)
{
    if (!copied)
        return PasteOutcome::NothingCopied;
    if (static_cast<std::size_t>(table.shownColumnCount()) != CopyBuffer.size() + 1)
        return PasteOutcome::DoesNotFit;
    if (!table.isDataRow(row))
        return PasteOutcome::NoRow;

    const auto columns = table.shownDataColumns();
    bool inUse = false;
    for (int c : columns)
        if (!table.checkEditorColumn(c) && !trimControl(table.text(row, c)).empty())
            inUse = true;
    if (inUse && !confirmOverwrite())
        return PasteOutcome::Declined;

    for (std::size_t k = 0; k < columns.size(); ++k)
        table.setText(row, columns[k], CopyBuffer[k]);
    return PasteOutcome::Pasted;
}

PasteOutcome Paste_Row_Check(GridModel& table, int row, bool copied, const std::vector<std::string>& CopyBuffer,
                             const std::vector<bool>& CheckBoxColumns, const ConfirmOverwrite& confirmOverwrite)
{
    if (!copied)
        return PasteOutcome::NothingCopied;
    if (static_cast<std::size_t>(table.columnCount()) != CopyBuffer.size() + 1)
        return PasteOutcome::DoesNotFit;
    if (!table.isDataRow(row))
        return PasteOutcome::NoRow;

    const auto columns = table.allDataColumns();
    bool inUse = false;
    for (int c : columns)
        if (!table.hasCheckBox(row, c) && !table.text(row, c).empty())
            inUse = true;
    if (inUse && !confirmOverwrite())
        return PasteOutcome::Declined;

    for (std::size_t k = 0; k < columns.size(); ++k) {
        // A plain copy leaves flags of an older check-box copy behind; entries beyond them are texts.
        const bool box = k < CheckBoxColumns.size() && CheckBoxColumns[k];
        if (box)
            table.setCheckBox(row, columns[k], CopyBuffer[k] == "Y");
        else
            table.setText(row, columns[k], CopyBuffer[k]);
    }
    return PasteOutcome::Pasted;
}

} // namespace birch
