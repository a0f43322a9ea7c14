#pragma once

#include "core/AppState.h"
#include "nmea/PlacedRules.h"

#include <QWidget>

#include <vector>

class QLabel;

namespace birch {

class DataAreaMapView;
class GridView;

// The data-area map under the rule table: the enabled rules' bytes, free and shared bytes, a tip
// naming the rows on a byte, and a click that selects a row on the byte in the table (again and
// again on a shared byte: each of its rows in turn).
class TFDataAreaPanel final : public QWidget {
    Q_OBJECT

public:
    TFDataAreaPanel(const AppState& state, GridView& table, QWidget* parent);

    void Set_Lang();
    void showRules(std::vector<PlacedRule> rules);

    DataAreaMapView& mapView() { return *MapView; }

private:
    void onByteClicked(int byte);

    const AppState& state_;
    GridView& table_;
    DataAreaMapView* MapView;
    QLabel* L_Legend;
};

} // namespace birch
