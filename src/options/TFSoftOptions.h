#pragma once

#include "options/LanguageList.h"
#include "widgets/LanguageAware.h"
#include "widgets/ModalWait.h"
#include "widgets/UiContext.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;

namespace birch {

class ClickableLabel;
class HeadingPanel;

// The options dialog: interface language, internet access and update check, table behaviours.
// OK stores the choices in the state; the caller then saves the settings and sets its timer.
class TFSoftOptions : public QDialog, public LanguageAware {
    Q_OBJECT
public:
    // `changeLanguage` re-applies the texts of every window (this one included) after the text
    // table was loaded for another language. `checkVersion` answers whether a newer version
    // exists; it runs on a worker thread, on to its end even when the user stops waiting, so it
    // must only use what outlives the dialog.
    TFSoftOptions(UiContext& context, std::function<void()> changeLanguage, std::function<bool()> checkVersion,
                  QWidget* parent = nullptr);

    void Set_Lang() override;

    void Create_Lang_List();
    void Update_Lang_Page(int Num_Page);
    void Update_CheckBox();
    // `slot` from 1 to 6, on the page shown.
    void LangClick(int slot);
    void Btn_NextClick(QPushButton* button);
    void Btn_Check_UpdateClick();
    void LL_Check_UpdateLinkClick(const QString& link);
    void Btn_OKClick();

    const std::string& Language_In_Use() const { return Language_In_Use_; }
    int Show_Page() const { return Show_Page_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* makeLanguageTab();
    QWidget* makeConnectionTab();
    QWidget* makeSettingsTab();
    void showSelectedLanguage();
    void showPageLabel(int page);
    void showCheckResult();

    UiContext& context_;
    std::function<void()> changeLanguage_;
    std::function<bool()> checkVersion_;

    std::vector<std::string> SL_Languages;
    std::vector<std::string> choices_{kBuiltInLanguage}; // the language names offered, in list order
    int Show_Page_ = 1;
    std::string Language_In_Use_;
    std::optional<bool> checkResult_; // the last on-demand check since the dialog opened

    HeadingPanel* heading_;
    QTabWidget* PC_Options;
    QWidget* TS_Language;
    QWidget* TS_Con_Options;
    QWidget* TS_Soft_Settings;
    QLabel* L_Sel_Lang;
    std::array<ClickableLabel*, 6> I_L{};
    std::array<ClickableLabel*, 6> L_L{};
    QLabel* L_Page_Lang;
    QPushButton* Btn_Prev;
    QPushButton* Btn_Next;
    QCheckBox* CB_En_Con;
    QCheckBox* CB_Update;
    QPushButton* Btn_Check_Update;
    QLabel* LL_Check_Update;
    QCheckBox* CB_Soft_Set_Jump_Table;
    QCheckBox* CB_DoubleClick_Auto_Size;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;

    // Joins a query the user stopped waiting for before the dialog goes.
    ModalWork versionQuery_;
};

} // namespace birch
