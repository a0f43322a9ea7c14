#pragma once

#include <QFrame>

class QLabel;

namespace birch {

// The white heading band of the dialogs: the software code in large grey letters and a bold
// grey description under it (`L_SW_Code`, `L_SW_Desc`).
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
