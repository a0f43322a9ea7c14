#include "widgets/WindowSize.h"

#include <QLayout>
#include <QWidget>

namespace birch {

void fixSizeToContents(QWidget& window, QSize defaultSize)
{
    // Inner layouts first: a child's new size reaches the window's layout only once the child's
    // own layout has run, which would otherwise wait for the event loop.
    const QList<QWidget*> inner = window.findChildren<QWidget*>();
    for (auto child = inner.rbegin(); child != inner.rend(); ++child)
        if (QLayout* own = (*child)->layout(); own != nullptr && (*child)->isVisibleTo(&window))
            own->activate();
    QLayout* layout = window.layout();
    layout->activate();
    window.setFixedSize(layout->totalSizeHint().expandedTo(layout->totalMinimumSize()).expandedTo(defaultSize));
}

} // namespace birch
