#pragma once

#include "nmea/CaptureStats.h"
#include "nmea/Rule.h"
#include "widgets/LanguageAware.h"
#include "widgets/RowButtons.h"
#include "widgets/UiContext.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QPushButton;
class QShowEvent;
class QWidget;

namespace birch {

class Catalog;
class GridView;
class HeadingPanel;
class RowMarkDelegate;
class TFCaptureCheck;
class TFDataAreaPanel;

// Step 3, "NMEA 0183 Access": the table of up to 100 sentence rules of the active project.
// Every showing starts from the rule file on disk; OK validates and writes it.
class TFNMEA_0183_Set_Access2 final : public QDialog, public LanguageAware {
    Q_OBJECT

public:
    explicit TFNMEA_0183_Set_Access2(UiContext& context, QWidget* parent = nullptr);

    void Set_Lang() override;

    GridView& table() { return *ASG; }
    // The table's copied flag: true once a row of this table was copied.
    bool Do_Copy() const { return rowButtons_.copied(); }
    // The serial channels offered at the last showing.
    const std::vector<std::string>& SerialChannel_SL() const { return serialChannels_; }
    // The data-area map under the table, the capture check window and the capture verdicts.
    TFDataAreaPanel& dataArea() { return *P_DataArea; }
    TFCaptureCheck& captureCheck() { return *captureCheck_; }
    const RowMarkDelegate& captureVerdicts() const { return *verdictMarks_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Catalog& catalog() const;
    void buildTable();
    void loadRules();
    void onCellChosen(int row, int column, const QString& text);
    void onOk();
    // Rows below the first one without a sentence are not saved: true when there are none or the
    // user saves without them; otherwise the table takes the focus at that row.
    bool confirmRowsNotSaved(const RuleTable& rules);
    void onDeleteRow();
    void onInsertRow();
    void onPasteRow();
    // The map and the capture verdicts follow every change of the table.
    void buildDataArea();
    void setDataAreaTexts();
    void followTable();
    // Enabled rules sharing bytes: true when there are none or the user saves anyway.
    bool confirmOverlaps(const RuleTable& rules);
    void onExport();
    void onCaptureCheck();

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
    int Enable_Serial;
    std::vector<std::string> serialChannels_;
    // The rule file on disk could not be used: keep it before OK replaces it.
    bool keepDamagedFile_ = false;
    QPushButton* Btn_Export = nullptr;
    QPushButton* Btn_Capture = nullptr;
    TFDataAreaPanel* P_DataArea = nullptr;
    TFCaptureCheck* captureCheck_ = nullptr;
    RowMarkDelegate* verdictMarks_ = nullptr;
    // The last capture checked during this showing and the channel it was checked for.
    std::optional<CaptureStats> capture_;
    std::optional<std::string> captureChannel_;
};

} // namespace birch
