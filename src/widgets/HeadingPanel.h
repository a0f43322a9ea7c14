#pragma once

#include <QFrame>

class QLabel;

namespace birch {

// The heading of every dialog: a white band with the software code in large bold grey letters
// (`L_SW_Code`) and the bold grey description under it (`L_SW_Desc`), a thin line below the band.
// One panel for all dialogs so their headings look alike.
class HeadingPanel : public QFrame {
    Q_OBJECT
public:
    HeadingPanel(const QString& code, QWidget* parent);

    void setDescription(const QString& text);

private:
    QLabel* L_SW_Code;
    QLabel* L_SW_Desc;
};

} // namespace birch
