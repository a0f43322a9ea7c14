#include "widgets/CollapsibleGroupStack.h"

#include "widgets/CollapsibleGroup.h"

#include <QEvent>
#include <QGridLayout>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace birch {

CollapsibleGroupStack::CollapsibleGroupStack(QWidget* parent) : QScrollArea(parent), layout_(nullptr)
{
    auto* content = new QWidget;
    layout_ = new QVBoxLayout(content);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addStretch(1);
    setWidget(content);
    setWidgetResizable(true);
    content->installEventFilter(this);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    verticalScrollBar()->setSingleStep(28);
}

void CollapsibleGroupStack::addGroup(CollapsibleGroup* group)
{
    groups_.append(group);
    layout_->insertWidget(layout_->count() - 1, group);
}

void CollapsibleGroupStack::arrange(const QList<CollapsibleGroup*>& order, const QList<QWidget*>& after)
{
    for (qsizetype i = 0; i < order.size(); ++i) {
        layout_->removeWidget(order[i]);
        layout_->insertWidget(static_cast<int>(i), order[i]);
    }
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (CollapsibleGroup* group : order)
        for (QWidget* control : group->controls())
            if (control->focusPolicy() & Qt::TabFocus)
                chain(control);
    for (QWidget* widget : after)
        chain(widget);
}

QList<CollapsibleGroup*> CollapsibleGroupStack::shownGroups() const
{
    QList<CollapsibleGroup*> shown;
    for (int i = 0; i < layout_->count(); ++i)
        if (auto* group = qobject_cast<CollapsibleGroup*>(layout_->itemAt(i)->widget()); group && !group->isHidden())
            shown.append(group);
    return shown;
}

void CollapsibleGroupStack::scrollLines(int lines)
{
    const auto action = lines < 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd;
    for (int i = 0; i < std::abs(lines); ++i)
        verticalScrollBar()->triggerAction(action);
}

void CollapsibleGroupStack::alignColumn(int column, int narrowest)
{
    int width = narrowest;
    for (const CollapsibleGroup* group : groups_) {
        const QGridLayout& grid = group->grid();
        for (int i = 0; i < grid.count(); ++i) {
            int row = 0;
            int at = 0;
            int rowSpan = 0;
            int columnSpan = 0;
            grid.getItemPosition(i, &row, &at, &rowSpan, &columnSpan);
            if (at == column && columnSpan == 1)
                width = std::max(width, grid.itemAt(i)->sizeHint().width());
        }
    }
    for (CollapsibleGroup* group : groups_)
        group->grid().setColumnMinimumWidth(column, width);
}

// The content's width, the scroll bar's and the frame's; the height is the scroll area's own.
QSize CollapsibleGroupStack::minimumSizeHint() const
{
    const int width = widget()->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    return {width, QScrollArea::minimumSizeHint().height()};
}

QSize CollapsibleGroupStack::sizeHint() const
{
    return QScrollArea::sizeHint().expandedTo(minimumSizeHint());
}

// A group that needs another width (a longer text, a row shown) makes the window around ask
// again. The content's layout may settle during a resize as well as on a layout request.
bool CollapsibleGroupStack::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget() && (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Resize)) {
        const int width = widget()->minimumSizeHint().width();
        if (width != contentWidth_) {
            contentWidth_ = width;
            updateGeometry();
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

} // namespace birch
