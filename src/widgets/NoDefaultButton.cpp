#include "widgets/NoDefaultButton.h"

#include <QDialog>
#include <QPushButton>

namespace birch {

void noDefaultButton(QDialog& dialog)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        button->setDefault(false);
        button->setAutoDefault(false);
    }
}

} // namespace birch
