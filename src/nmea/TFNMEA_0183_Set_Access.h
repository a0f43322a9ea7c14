#pragma once

#include "nmea/FirstGenRule.h"
#include "widgets/LanguageAware.h"
#include "widgets/RowButtons.h"
#include "widgets/UiContext.h"

#include <QDialog>

class QPushButton;
class QShowEvent;
class QWidget;

namespace birch {

class Catalog;
class GridView;
class HeadingPanel;

// The first-generation sentence list: up to 100 rules of the active project's
// NMEA_0183_Set_Access.xml, each naming a sentence, an index, a serial channel and a mnemonic.
// Every showing starts from the file on disk; OK validates and writes it.
class TFNMEA_0183_Set_Access final : public QDialog, public LanguageAware {
    Q_OBJECT

public:
    explicit TFNMEA_0183_Set_Access(UiContext& context, QWidget* parent = nullptr);

    void Set_Lang() override;

    GridView& table() { return *ASG; }
    // The table's copied flag: true once a row was copied during this showing.
    bool Do_Copy_Listener() const { return rowButtons_.copied(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Catalog& catalog() const;
    void buildTable();
    void loadList();
    void onCellChosen(int row, int column);
    void onOk();
    // Rows below the first one without a sentence are not saved: true when there are none or the
    // user saves without them; otherwise the table takes the focus at that row.
    bool confirmRowsNotSaved(const firstgen::RuleTable& rules);
    void onDeleteRow();
    void onInsertRow();
    void onPasteRow();
    void resetIndexEditability();

    UiContext& context_;
    HeadingPanel* P_Title;
    QWidget* P_Button;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
    QPushButton* Btn_DelRow;
    QPushButton* Btn_InsRow;
    QPushButton* Btn_CopyRow;
    QPushButton* Btn_PasteRow;
    GridView* ASG;
    RowButtons rowButtons_;
    // The file on disk could not be used: keep it before OK replaces it.
    bool keepDamagedFile_ = false;
};

} // namespace birch
