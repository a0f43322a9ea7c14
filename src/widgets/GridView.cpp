#include "widgets/GridView.h"

#include "common/GridNavigation.h"
#include "widgets/GridDelegate.h"
#include "widgets/GridTableModel.h"
#include "widgets/QtText.h"

#include <QComboBox>
#include <QHeaderView>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionHeader>

#include <algorithm>

namespace birch {

GridView::GridView(AppState& state, int rows, int columns, QWidget* parent)
    : QTableView(parent), state_(state), grid_(rows, columns), model_(new GridTableModel(grid_, this)),
      delegate_(new GridDelegate(*this, *model_))
{
    grid_.numberRows();
    setModel(model_);
    setItemDelegate(delegate_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // A single click opens only drop-down lists (see `clicked`); text cells edit on a double
    // click, F2 or typing.
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    // Scrolling by whole columns cannot show a cell left of a wide last column in full.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows as compact as a string grid's: one line of text.
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);

    // Sizing a column to its content is the option's business, also on the section border.
    disconnect(horizontalHeader(), &QHeaderView::sectionHandleDoubleClicked, this, nullptr);
    connect(horizontalHeader(), &QHeaderView::sectionHandleDoubleClicked, this,
            [this](int column) { doubleClickedAt(0, column); });
    connect(horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int column) { doubleClickedAt(0, column); });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { doubleClickedAt(GridTableModel::gridRow(index), index.column()); });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (isDropDownColumn(index.column()) && !model_->isReadOnly(index))
            openDropDown(index);
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid())
            Q_EMIT currentCellChanged(GridTableModel::gridRow(current), current.column());
    });
    connect(model_, &GridTableModel::cellEdited, this, &GridView::cellEdited);
    if (grid_.rowCount() > 1 && grid_.columnCount() > 1)
        setCurrentCell(1, 1);
}

GridView::~GridView() = default;

void GridView::refresh()
{
    for (int c = 0; c < grid_.columnCount(); ++c)
        setColumnHidden(c, grid_.columnHidden(c));
    model_->refresh();
}

void GridView::refreshCell(int row, int column)
{
    model_->refreshCell(row, column);
}

void GridView::setDropDown(int column, DropDownItems items)
{
    dropDowns_[column] = std::move(items);
}

bool GridView::isDropDownColumn(int column) const
{
    return dropDowns_.count(column) != 0;
}

QStringList GridView::dropDownItems(int row, int column) const
{
    const auto it = dropDowns_.find(column);
    return it == dropDowns_.end() || !it->second ? QStringList() : it->second(row, column);
}

void GridView::setSuggestion(int column, const QString& text)
{
    suggestions_[column] = text;
}

QString GridView::suggestion(int column) const
{
    const auto it = suggestions_.find(column);
    return it == suggestions_.end() ? QString() : it->second;
}

void GridView::setOwnDoubleClick(int column)
{
    ownDoubleClick_.insert(column);
}

bool GridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (trigger == DoubleClicked && ownDoubleClick_.count(index.column()) != 0)
        return false;
    return QTableView::edit(index, trigger, event);
}

int GridView::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? GridTableModel::gridRow(current) : 0;
}

int GridView::currentColumn() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

void GridView::setCurrentCell(int row, int column)
{
    if (!grid_.isDataRow(row) || column < 0 || column >= grid_.columnCount())
        return;
    const QModelIndex at = model_->indexOf(row, column);
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    scrollTo(at);
}

void GridView::focusCell(int row, int column)
{
    setCurrentCell(row, column);
    setFocus(Qt::OtherFocusReason);
}

void GridView::doubleClickedAt(int row, int column)
{
    Auto_Size_Column(row, column);
    Q_EMIT cellDoubleClicked(row, column);
}

void GridView::Auto_Size_Column(int row, int column)
{
    if (!birch::Auto_Size_Column(state_.DoubleClickAutoSize, row, column))
        return;
    setColumnWidth(column, contentWidth(column));
}

// What the view needs to paint the column's widest cell and its header in full: the
// delegates' size hints with the grid line (the table's own measure), and the style's size of
// the header section in the header's font. The header's own hint is not used: it measures the
// title in bold, for highlighted sections this table never shows.
int GridView::contentWidth(int column) const
{
    return std::max(headerWidth(column), sizeHintForColumn(column));
}

// The width the header needs to show its text in full.
int GridView::headerWidth(int column) const
{
    const QHeaderView* header = horizontalHeader();
    QStyleOptionHeader title;
    title.initFrom(header);
    title.orientation = Qt::Horizontal;
    title.section = column;
    title.text = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    title.textAlignment = header->defaultAlignment();
    return header->style()->sizeFromContents(QStyle::CT_HeaderSection, &title, QSize(), header).width();
}

void GridView::widenToHeaders()
{
    for (int column = 0; column < grid_.columnCount(); ++column) {
        const int needed = headerWidth(column);
        if (const auto stretch = stretchColumns_.find(column); stretch != stretchColumns_.end())
            stretch->second = std::max(stretch->second, needed);
        if (columnWidth(column) < needed)
            setColumnWidth(column, needed);
    }
    fillWidth();
}

bool GridView::Jump_Next_Field(int key)
{
    GridPosition at{currentRow(), currentColumn()};
    if (!birch::Jump_Next_Field(grid_, state_.JumpFieldOnEnter, key, at))
        return false;
    setCurrentCell(at.row, at.column);
    return true;
}

void GridView::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (Jump_Next_Field(enter ? kEnterKey : event->key())) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.column() == 0 && event->button() == Qt::LeftButton) {
        if (state() == EditingState)
            setFocus();
        selectWholeRow(GridTableModel::gridRow(index));
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void GridView::selectWholeRow(int row)
{
    const auto columns = grid_.shownDataColumns();
    if (columns.empty())
        return;
    selectionModel()->setCurrentIndex(model_->indexOf(row, columns.front()), QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(model_->indexOf(row, 0), model_->indexOf(row, grid_.lastColumn())),
                             QItemSelectionModel::ClearAndSelect);
}

void GridView::openDropDown(const QModelIndex& index)
{
    if (state() != EditingState)
        edit(index);
    if (auto* combo = qobject_cast<QComboBox*>(indexWidget(index)))
        combo->showPopup();
}

void GridView::commitChoice(QWidget* editor, const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const int row = GridTableModel::gridRow(index);
    const std::string before = grid_.text(row, index.column());
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    const std::string& after = grid_.text(row, index.column());
    if (after != before)
        Q_EMIT cellChosen(row, index.column(), qs(after));
}

bool GridView::jumpFromEditor(QWidget* editor)
{
    if (!state_.JumpFieldOnEnter)
        return false;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    Jump_Next_Field(kEnterKey);
    return true;
}

void GridView::setStretchColumns(std::vector<int> columns)
{
    stretchColumns_.clear();
    for (const int column : columns)
        stretchColumns_[column] = columnWidth(column);
    fillWidth();
}

void GridView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    fillWidth();
}

// Hands the room between the columns' total width and the viewport's to the shown stretch
// columns, or takes it back from them down to their narrowest widths.
void GridView::fillWidth()
{
    std::vector<int> shown;
    for (const auto& [column, narrowest] : stretchColumns_)
        if (!isColumnHidden(column))
            shown.push_back(column);
    const int room = viewport()->width() - horizontalHeader()->length();
    if (shown.empty() || room == 0)
        return;
    const int count = static_cast<int>(shown.size());
    for (int i = 0; i < count; ++i) {
        const int column = shown[static_cast<std::size_t>(i)];
        const int share = room / count + (i == 0 ? room % count : 0);
        setColumnWidth(column, std::max(stretchColumns_[column], columnWidth(column) + share));
    }
}

} // namespace birch
