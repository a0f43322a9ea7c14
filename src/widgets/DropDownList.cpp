#include "widgets/DropDownList.h"

#include <QComboBox>

namespace birch {

void limitDropDownRows(QComboBox& list)
{
    list.setMaxVisibleItems(kDropDownRows);
    // A style's menu-like popup ignores the limit; this asks for the plain scrolling list.
    list.setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}

} // namespace birch
