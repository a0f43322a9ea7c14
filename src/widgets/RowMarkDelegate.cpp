#include "widgets/RowMarkDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>

namespace birch {

namespace {
constexpr int kStripWidth = 8;
}

RowMarkDelegate::RowMarkDelegate(QAbstractItemDelegate& base, QObject* parent)
    : QStyledItemDelegate(parent), base_(base)
{
}

void RowMarkDelegate::setMarks(std::map<int, RowMark> marks)
{
    marks_ = std::move(marks);
}

const RowMark* RowMarkDelegate::mark(int row) const
{
    const auto found = marks_.find(row);
    return found == marks_.end() ? nullptr : &found->second;
}

void RowMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    base_.paint(painter, option, index);
    const RowMark* found = mark(index.row());
    if (found == nullptr)
        return;
    const QRect strip(option.rect.left(), option.rect.top(), kStripWidth, option.rect.height());
    painter->fillRect(strip, found->colour);
    if (found->hatched)
        painter->fillRect(strip, QBrush(Qt::black, Qt::BDiagPattern));
}

QSize RowMarkDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return base_.sizeHint(option, index);
}

bool RowMarkDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                const QModelIndex& index)
{
    const RowMark* found = index.isValid() ? mark(index.row()) : nullptr;
    if (found == nullptr || event->type() != QEvent::ToolTip)
        return base_.helpEvent(event, view, option, index);
    QToolTip::showText(event->globalPos(), Qt::convertFromPlainText(found->tip, Qt::WhiteSpaceNormal), view,
                       view->visualRect(index));
    return true;
}

} // namespace birch
