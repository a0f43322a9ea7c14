#pragma once

#include "widgets/LanguageAware.h"
#include "widgets/UiContext.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

namespace birch {

class HeadingPanel;

// Step 1, "New Configuration": asks for a name and creates the project folder. On OK the new
// project is already the active one.
class TFNew_Project : public QDialog, public LanguageAware {
    Q_OBJECT
public:
    explicit TFNew_Project(UiContext& context, QWidget* parent = nullptr);

    void Set_Lang() override;
    void Btn_OKClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString text(int number) const;

    UiContext& context_;
    HeadingPanel* heading_;
    QLabel* Label1;
    QLineEdit* E_New_Proj;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
};

} // namespace birch
