#pragma once

#include <QAbstractItemModel>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QStringList>
#include <QStyle>
#include <QTableView>

namespace birch::test {

// The texts of `column`, its header's included, that the view cannot paint in full at the
// column's present width. A cell's text needs its advance in the view's font plus the style's
// text margin on both sides, inside the cell's painted rectangle (the grid line excluded); the
// header's text needs its advance in the header's font plus the header margin on both sides.
inline QStringList clippedTexts(const QTableView& view, int column)
{
    QStringList clipped;
    const QHeaderView* header = view.horizontalHeader();
    const QString title = view.model()->headerData(column, Qt::Horizontal).toString();
    const int headerMargin = view.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    if (QFontMetricsF(header->font()).horizontalAdvance(title) + 2 * headerMargin > header->sectionSize(column))
        clipped << title;

    const int textMargin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    const QFontMetricsF metrics(view.font());
    for (int row = 0; row < view.model()->rowCount(); ++row) {
        const QModelIndex index = view.model()->index(row, column);
        const QString text = index.data(Qt::DisplayRole).toString();
        if (!text.isEmpty() && metrics.horizontalAdvance(text) + 2 * textMargin > view.visualRect(index).width())
            clipped << text;
    }
    return clipped;
}

} // namespace birch::test
