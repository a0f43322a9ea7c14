#pragma once

#include <QStyledItemDelegate>

namespace birch {

class GridTableModel;
class GridView;

// Paints and edits the cells of a GridView: a centred check box toggled by a click or the space
// bar, a drop-down list without free text that commits as soon as an item is chosen, a line
// edit elsewhere; read-only cells and the fixed column look like the header.
class GridDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    GridDelegate(GridView& view, GridTableModel& model);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QRect checkRect(const QStyleOptionViewItem& option) const;

    GridView& view_;
    GridTableModel& model_;
};

} // namespace birch
