#include "profiles/TFEtherCATSlave.h"

#include "profiles/EtherCatGrid.h"
#include "profiles/EtherCatPlacement.h"
#include "profiles/EtherCatSlaveMessages.h"
#include "widgets/GridView.h"
#include "widgets/QtText.h"

#include <QLabel>
#include <QTabWidget>

#include <string>

namespace birch {

bool TFEtherCATSlave::slaveMasterActive() const
{
    return PC->currentWidget() == TS_SlaveToMaster;
}

GridView& TFEtherCATSlave::activeTable()
{
    return slaveMasterActive() ? *ASG_SlaveMaster : *ASG_MasterSlave;
}

RowButtons& TFEtherCATSlave::activeRows()
{
    return slaveMasterActive() ? rowButtonsStM_ : rowButtonsMtS_;
}

void TFEtherCATSlave::Calc_Position_Bit(GridView& table)
{
    birch::Calc_Position_Bit(table.grid(), &table == ASG_SlaveMaster);
    table.refresh();
    showPastDataArea();
}

// Only the slave-to-master variables are saved, so only they are checked against the data area.
void TFEtherCATSlave::showPastDataArea()
{
    GridModel& grid = ASG_SlaveMaster->grid();
    const std::vector<int> rows = Rows_Past_Data_Area(grid, true);
    for (int row = 1; row <= grid.lastRow(); ++row)
        grid.setMarked(row, kSlaveToMasterColumns.position, false);
    for (const int row : rows)
        grid.setMarked(row, kSlaveToMasterColumns.position, true);
    ASG_SlaveMaster->refresh();
    L_PastDataArea->setText(qs(Past_Data_Area_Text(context_.state.Extra, rows)));
    L_PastDataArea->setVisible(!rows.empty());
}

void TFEtherCATSlave::onCellChosen(GridView& table, int row, int column)
{
    if (column != kSlaveToMasterColumns.type)
        return;
    VarSetLength(table.grid(), table.grid().text(row, column), row);
    Calc_Position_Bit(table);
}

void TFEtherCATSlave::onCellEdited(GridView& table, int column)
{
    const VariableColumns& columns = kSlaveToMasterColumns;
    if (column == columns.enable || column == columns.type || column == columns.length)
        Calc_Position_Bit(table);
}

void TFEtherCATSlave::onDeleteRow()
{
    GridView& table = activeTable();
    const std::string& question = context_.state.TextTable[1533];
    if (activeRows().deleteRowAsking([&question](int row) { return Delete_Row_Question(question, row); }, true))
        Set_Length_Editable_All(table.grid());
    Calc_Position_Bit(table);
}

void TFEtherCATSlave::onInsertRow()
{
    GridView& table = activeTable();
    activeRows().insertRow(true);
    // Rows moved, their types with them; positions stay as they were until the next change.
    Set_Length_Editable_All(table.grid());
    table.refresh();
    showPastDataArea();
}

void TFEtherCATSlave::onCopyRow()
{
    activeRows().copyRow();
    (slaveMasterActive() ? rowButtonsMtS_ : rowButtonsStM_).setCopied(false);
}

void TFEtherCATSlave::onPasteRow()
{
    GridView& table = activeTable();
    if (!activeRows().pasteRow())
        return;
    GridModel& grid = table.grid();
    const int row = table.currentRow();
    const std::string pastedLength = grid.text(row, kSlaveToMasterColumns.length);
    VarSetLength(grid, grid.text(row, kSlaveToMasterColumns.type), row);
    grid.setText(row, kSlaveToMasterColumns.length, pastedLength);
    Calc_Position_Bit(table);
}

} // namespace birch
