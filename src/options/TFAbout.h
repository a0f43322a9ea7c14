#pragma once

#include "widgets/UiContext.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace birch {

class ClickableLabel;

// The About box: software code, version and document code. Its captions are fixed, so it has
// no Set_Lang.
class TFAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFAbout(UiContext& context, QWidget* parent = nullptr);

    // Opens the maker's home page (logo and web address).
    void Open_Home_Page();

private:
    UiContext& context_;
    std::string homePage_;
    ClickableLabel* Image2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label6;
    QLabel* Label9;
    QLabel* Label3;
    QLabel* Label10;
    QLabel* Label8;
    QLabel* Label12;
    ClickableLabel* Label4;
    QPushButton* Btn_OK;
};

} // namespace birch
