#pragma once

#include <QColor>
#include <QString>
#include <QStyledItemDelegate>

#include <map>

namespace birch {

// A mark on a row: a strip in a colour, hatched when `hatched` so that it does not depend on
// telling colours apart, and a tip.
struct RowMark {
    QColor colour;
    bool hatched = false;
    QString tip;
};

// Draws a column's cells with `base` and puts a row's mark as a strip along the cell's left
// edge; the tip over a marked cell is the mark's, shown as plain text. Rows are the model's.
class RowMarkDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    RowMarkDelegate(QAbstractItemDelegate& base, QObject* parent);

    void setMarks(std::map<int, RowMark> marks);
    const RowMark* mark(int row) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    QAbstractItemDelegate& base_;
    std::map<int, RowMark> marks_;
};

} // namespace birch
