#pragma once

#include "widgets/LanguageAware.h"
#include "widgets/RowButtons.h"
#include "widgets/UiContext.h"

#include <QDialog>

#include <cstddef>

class QPushButton;
class QShowEvent;
class QTabWidget;
class QWidget;

namespace birch {

class GridView;
class HeadingPanel;
class TFTopicTemplate;

// Step "MQTT Set Topic" of the Damson profile: up to 1024 publish topics, each tied to a stretch
// of the data area and a payload template. The subscribe table is read and checked but its tab is
// hidden and its list is never saved. Every showing starts from MQTT_Set_Topic.xml on disk; OK
// validates and writes it.
class TFMQTT_Set_Topic final : public QDialog, public LanguageAware {
    Q_OBJECT

public:
    explicit TFMQTT_Set_Topic(UiContext& context, QWidget* parent = nullptr);

    void Set_Lang() override;

    // The dialog a double click on a Template cell opens; created after this window.
    void setTemplateWindow(TFTopicTemplate& window) { templateWindow_ = &window; }

    GridView& publishTable() { return *ACG_Pub; }
    GridView& subscribeTable() { return *ACG_Sub; }
    QTabWidget& tabs() { return *PC_MQTT; }
    // Each table's copied flag: true once a row of that table was copied.
    bool Do_Copy_Pub() const { return pubRows_.copied(); }
    bool Do_Copy_Sub() const { return subRows_.copied(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildTables();
    void setHeaderTexts();
    void FormShow();
    void onOk();
    void onDeleteRow();
    void onInsertRow();
    void onCopyRow();
    void onPasteRow();
    void onDoubleClick(GridView& table, int row, int column);
    void Show_Form_Topic(GridView& table, int row, int column);
    bool publishActive() const;

    UiContext& context_;
    HeadingPanel* P_Title;
    QTabWidget* PC_MQTT;
    QWidget* TS_MQTT_Publish;
    QWidget* TS_MQTT_Subscribe;
    GridView* ACG_Pub;
    GridView* ACG_Sub;
    QWidget* P_Button;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
    QPushButton* Btn_DelRow;
    QPushButton* Btn_InsRow;
    QPushButton* Btn_CopyRow;
    QPushButton* Btn_PasteRow;
    RowButtons pubRows_;
    RowButtons subRows_;
    TFTopicTemplate* templateWindow_ = nullptr;
    int workingMode_ = 1;
    int Byte_IN;
    int Byte_OUT;
    // Subscribe rows the file held when it was loaded: OK saves without them.
    std::size_t subscribeRowsRead_ = 0;
    // The topic file on disk did not load whole: keep it before OK replaces it.
    bool keepDamagedFile_ = false;
};

} // namespace birch
