#include "nmea/TFDataAreaPanel.h"

#include "lang/ExtraTextNumbers.h"
#include "nmea/DataAreaTexts.h"
#include "nmea/RuleGrid.h"
#include "widgets/DataAreaMapView.h"
#include "widgets/GridView.h"
#include "widgets/QtText.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>

#include <algorithm>

namespace birch {

TFDataAreaPanel::TFDataAreaPanel(const AppState& state, GridView& table, QWidget* parent)
    : QWidget(parent), state_(state), table_(table), MapView(new DataAreaMapView(this)), L_Legend(new QLabel(this))
{
    setObjectName(QStringLiteral("P_DataArea"));
    MapView->setObjectName(QStringLiteral("MapView"));
    L_Legend->setObjectName(QStringLiteral("L_Legend"));
    L_Legend->setTextFormat(Qt::PlainText);
    L_Legend->setWordWrap(true);
    L_Legend->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->addWidget(MapView, 4);
    layout->addWidget(L_Legend, 1);

    MapView->setTipText(
        [this](int byte) { return qs(byteTipText(state_.Extra, state_.NMEA0183.value(), MapView->map(), byte)); });
    connect(MapView, &DataAreaMapView::byteClicked, this, &TFDataAreaPanel::onByteClicked);
}

void TFDataAreaPanel::Set_Lang()
{
    L_Legend->setText(qs(state_.Extra[ext::kMapLegend]));
}

void TFDataAreaPanel::showRules(std::vector<PlacedRule> rules)
{
    MapView->setMap(DataAreaMap(std::move(rules)));
}

void TFDataAreaPanel::onByteClicked(int byte)
{
    std::vector<int> rows;
    for (const int claim : MapView->map().claims(byte))
        rows.push_back(MapView->map().rules()[static_cast<std::size_t>(claim)].row);
    if (rows.empty())
        return;
    // On a shared byte each click takes the next of its rows.
    const auto current = std::find(rows.begin(), rows.end(), table_.currentRow());
    const int row = current == rows.end() || current + 1 == rows.end() ? rows.front() : *(current + 1);
    QAbstractItemModel* model = table_.model();
    table_.setCurrentCell(row, RuleColumn::Enable);
    table_.selectionModel()->select(
        QItemSelection(model->index(row - 1, 0), model->index(row - 1, model->columnCount() - 1)),
        QItemSelectionModel::ClearAndSelect);
    table_.scrollTo(model->index(row - 1, RuleColumn::Enable));
    table_.setFocus(Qt::MouseFocusReason);
}

} // namespace birch
