#include "widgets/WindowSize.h"

#include <QLayout>
#include <QWidget>

namespace birch {

void fixSizeToContents(QWidget& window, QSize defaultSize)
{
    QLayout* layout = window.layout();
    layout->activate();
    window.setFixedSize(layout->totalSizeHint().expandedTo(layout->totalMinimumSize()).expandedTo(defaultSize));
}

} // namespace birch
