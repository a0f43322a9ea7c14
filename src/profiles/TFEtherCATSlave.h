#pragma once

#include "widgets/LanguageAware.h"
#include "widgets/RowButtons.h"
#include "widgets/UiContext.h"

#include <QDialog>

#include <cstddef>

class QLabel;
class QPushButton;
class QShowEvent;
class QTabWidget;
class QWidget;

namespace birch {

class GridView;
class HeadingPanel;

// Profile `Elm`, step "EtherCAT Set Access": the process variables the slave sends, placed in
// the data area as they are edited. The master-to-slave table is kept hidden. Every showing
// starts from EtherCAT_Slave.xml on disk; OK writes it.
class TFEtherCATSlave final : public QDialog, public LanguageAware {
    Q_OBJECT

public:
    explicit TFEtherCATSlave(UiContext& context, QWidget* parent = nullptr);

    void Set_Lang() override;

    GridView& slaveToMaster() { return *ASG_SlaveMaster; }
    GridView& masterToSlave() { return *ASG_MasterSlave; }
    // The tables' copied flags: true once a row of that table was copied.
    bool Do_Copy_StM() const { return rowButtonsStM_.copied(); }
    bool Do_Copy_MtS() const { return rowButtonsMtS_.copied(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Init_Table();
    void initTable(GridView& table, bool SlaveMaster);
    void FormShow();
    bool slaveMasterActive() const;
    GridView& activeTable();
    RowButtons& activeRows();
    // Places the table's variables again and shows which run past the data area.
    void Calc_Position_Bit(GridView& table);
    void showPastDataArea();
    void onCellChosen(GridView& table, int row, int column);
    void onCellEdited(GridView& table, int column);
    void onOk();
    void onDeleteRow();
    void onInsertRow();
    void onCopyRow();
    void onPasteRow();

    UiContext& context_;
    HeadingPanel* P_Title;
    QTabWidget* PC;
    QWidget* TS_SlaveToMaster;
    QWidget* TS_MasterToSlave;
    GridView* ASG_SlaveMaster;
    GridView* ASG_MasterSlave;
    QLabel* L_PastDataArea;
    QWidget* P_Button;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
    QPushButton* Btn_DelRow;
    QPushButton* Btn_InsRow;
    QPushButton* Btn_CopyRow;
    QPushButton* Btn_PasteRow;
    RowButtons rowButtonsStM_;
    RowButtons rowButtonsMtS_;
    // The file on disk could not be used whole: keep it before OK replaces it.
    bool keepDamagedFile_ = false;
    // Master-to-slave rows the file held at the last showing; OK writes none of them.
    std::size_t masterToSlaveRows_ = 0;
};

} // namespace birch
