#pragma once

#include "widgets/LanguageAware.h"
#include "widgets/UiContext.h"

#include <QDialog>

#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QShowEvent;

namespace birch {

class HeadingPanel;

// Step 1, "Open Configuration": lists the project folders and returns the chosen name.
class TFOpenConf : public QDialog, public LanguageAware {
    Q_OBJECT
public:
    explicit TFOpenConf(UiContext& context, QWidget* parent = nullptr);

    void Set_Lang() override;

    // The chosen configuration after OK; empty when the list was empty.
    const std::string& Name_Conf() const { return Name_Conf_; }

    void Load_Existing_Configuration();
    int Search_Open_Conf(std::string_view name) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString text(int number) const;
    void ListBox1Click(int row);
    void ListBox1DblClick(int row);

    UiContext& context_;
    HeadingPanel* heading_;
    QLabel* Label1;
    QListWidget* ListBox1;
    QLabel* L_No_Conf; // shown while the list is empty: how to make a first project
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
    std::vector<std::string> SL;
    std::string Name_Conf_;
};

} // namespace birch
