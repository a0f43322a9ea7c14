#include "widgets/GridDelegate.h"

#include "widgets/DropDownList.h"
#include "widgets/GridTableModel.h"
#include "widgets/GridView.h"

#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QStyle>

namespace birch {

namespace {

bool isEnter(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

QStyle* styleOf(const QStyleOptionViewItem& option)
{
    return option.widget != nullptr ? option.widget->style() : QApplication::style();
}

} // namespace

GridDelegate::GridDelegate(GridView& view, GridTableModel& model)
    : QStyledItemDelegate(&view), view_(view), model_(model)
{
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (model_.isCheckCell(index) || model_.isReadOnly(index))
        return nullptr;
    if (!view_.isDropDownColumn(index.column())) {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        const QString suggestion = view_.suggestion(index.column());
        if (auto* line = qobject_cast<QLineEdit*>(editor); line != nullptr && !suggestion.isEmpty()) {
            line->setPlaceholderText(suggestion);
            auto* completer = new QCompleter(QStringList{suggestion}, line);
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            line->setCompleter(completer);
        }
        return editor;
    }

    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    limitDropDownRows(*combo);
    combo->addItems(view_.dropDownItems(GridTableModel::gridRow(index), index.column()));
    const QPersistentModelIndex at(index);
    GridView* view = &view_;
    connect(combo, &QComboBox::activated, combo, [view, combo, at] { view->commitChoice(combo, at); });
    return combo;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(combo->findText(index.data(Qt::EditRole).toString(), Qt::MatchExactly));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // Nothing chosen leaves the cell as it was: a drop-down never writes a text of its own.
        if (combo->currentIndex() >= 0)
            model->setData(index, combo->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

QRect GridDelegate::checkRect(const QStyleOptionViewItem& option) const
{
    QStyleOptionButton box;
    const QRect indicator = styleOf(option)->subElementRect(QStyle::SE_CheckBoxIndicator, &box, option.widget);
    return QStyle::alignedRect(option.direction, Qt::AlignCenter, indicator.size(), option.rect);
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    QStyle* style = styleOf(option);
    if (model_.isReadOnly(index))
        cell.backgroundBrush = option.palette.button();
    if (!model_.isCheckCell(index)) {
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, option.widget);
        return;
    }
    // The box alone, centred; the item's own indicator and text are not drawn.
    cell.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    cell.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, option.widget);

    QStyleOptionViewItem box = option;
    box.rect = checkRect(option);
    box.state &= ~QStyle::State_HasFocus;
    box.state |=
        index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
    if (model_.isReadOnly(index))
        box.state &= ~QStyle::State_Enabled;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, option.widget);
}

QSize GridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!model_.isCheckCell(index))
        return QStyledItemDelegate::sizeHint(option, index);
    return checkRect(option).size();
}

bool GridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                               const QModelIndex& index)
{
    if (!model_.isCheckCell(index) || !(index.flags() & Qt::ItemIsUserCheckable))
        return QStyledItemDelegate::editorEvent(event, model, option, index);

    bool toggle = false;
    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        toggle = mouse->button() == Qt::LeftButton && option.rect.contains(mouse->position().toPoint());
        break;
    }
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        toggle = key->key() == Qt::Key_Space || key->key() == Qt::Key_Select;
        break;
    }
    default:
        break;
    }
    if (!toggle)
        return false;
    const bool on = index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    return model->setData(index, on ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event)
{
    // Enter in an open editor commits it and, with the option on, moves on like Enter in the table.
    if (event->type() == QEvent::KeyPress && isEnter(*static_cast<QKeyEvent*>(event))) {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor != nullptr && view_.jumpFromEditor(editor))
            return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace birch
