#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>

namespace birch::test {

namespace detail {

// "Window/ObjectName: text" for a report.
inline QString described(const QWidget& window, const QWidget& widget, const QString& text)
{
    return window.objectName() + QLatin1Char('/') + widget.objectName() + QStringLiteral(": ") + text;
}

// Whether the label's text needs more room than its contents rectangle gives it.
inline bool labelClipped(const QLabel& label)
{
    if (label.wordWrap())
        return label.heightForWidth(label.width()) > label.height();
    if (label.textFormat() == Qt::RichText)
        return label.sizeHint().width() > label.width() || label.sizeHint().height() > label.height();
    const int margin = label.margin() + (label.indent() > 0 ? label.indent() : 0);
    const QRect room = label.contentsRect().adjusted(margin, label.margin(), -margin, -label.margin());
    const QSize needed = label.fontMetrics().size(Qt::TextShowMnemonic, label.text());
    return needed.width() > room.width() || needed.height() > room.height();
}

// A button's size hint is its text in its font with the style's margins, plus its icon.
inline bool buttonClipped(const QAbstractButton& button)
{
    const QSize needed = button.sizeHint();
    return needed.width() > button.width() || needed.height() > button.height();
}

inline bool groupTitleClipped(const QGroupBox& group)
{
    const int checkWidth = group.isCheckable() ? group.style()->pixelMetric(QStyle::PM_IndicatorWidth) : 0;
    return group.fontMetrics().horizontalAdvance(group.title()) + checkWidth > group.contentsRect().width();
}

// The tab titles of `bar` that are elided or lie outside the bar.
inline QStringList clippedTabs(const QTabBar& bar)
{
    QStringList clipped;
    const int space = bar.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &bar);
    for (int i = 0; i < bar.count(); ++i) {
        if (!bar.isTabVisible(i))
            continue;
        const QRect tab = bar.tabRect(i);
        if (!bar.rect().contains(tab) || bar.fontMetrics().horizontalAdvance(bar.tabText(i)) + space > tab.width())
            clipped << bar.tabText(i);
    }
    return clipped;
}

// The titles of a table's shown columns that are wider than their column.
inline QStringList clippedHeaders(const QHeaderView& header)
{
    QStringList clipped;
    const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    for (int section = 0; section < header.count(); ++section) {
        const QString title = header.model()->headerData(section, header.orientation()).toString();
        if (!header.isSectionHidden(section) &&
            header.fontMetrics().horizontalAdvance(title) + 2 * margin > header.sectionSize(section))
            clipped << title;
    }
    return clipped;
}

// Whether an ancestor, up to `window`, cuts off part of `widget`. Inside a scroll area only the
// width counts: its content scrolls up and down, never sideways.
inline bool cutByAncestor(const QWidget& window, const QWidget& widget)
{
    QRect rect = widget.rect();
    const QWidget* child = &widget;
    for (const QWidget* parent = widget.parentWidget(); parent != nullptr && child != &window;
         child = parent, parent = parent->parentWidget()) {
        rect.translate(child->pos());
        const bool scrolled = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()) != nullptr;
        const QRect room = parent->rect();
        if (scrolled ? rect.left() < room.left() || rect.right() > room.right() : !room.contains(rect))
            return true;
        if (scrolled)
            return false;
    }
    return false;
}

} // namespace detail

// The texts of `window`'s visible labels, buttons, check boxes, tab titles, group titles and
// table column titles that cannot be shown in full where they stand: too wide or too tall for their own rectangle, or
// cut off by a widget they sit on.
inline QStringList clippedControls(const QWidget& window)
{
    QStringList clipped;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->window() != &window)
            continue;
        QString text;
        bool tooSmall = false;
        if (const auto* label = qobject_cast<const QLabel*>(widget); label != nullptr && !label->text().isEmpty()) {
            text = label->text();
            tooSmall = detail::labelClipped(*label);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
                   button != nullptr && !button->text().isEmpty()) {
            text = button->text();
            tooSmall = detail::buttonClipped(*button);
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget);
                   group != nullptr && !group->title().isEmpty()) {
            text = group->title();
            tooSmall = detail::groupTitleClipped(*group);
        } else if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
            for (const QString& tab : detail::clippedTabs(*bar))
                clipped << detail::described(window, *widget, tab);
            continue;
        } else if (const auto* header = qobject_cast<const QHeaderView*>(widget);
                   header != nullptr && header->orientation() == Qt::Horizontal) {
            for (const QString& title : detail::clippedHeaders(*header))
                clipped << detail::described(window, *widget->parentWidget(), title);
            continue;
        } else {
            continue;
        }
        if (tooSmall || detail::cutByAncestor(window, *widget))
            clipped << detail::described(window, *widget, text);
    }
    return clipped;
}

} // namespace birch::test
