#pragma once

#include "nmea/DataAreaMap.h"

#include <QWidget>

#include <functional>

namespace birch {

// The 2000-byte data area drawn compactly, 200 bytes a line with a gap between registers: each
// enabled rule's bytes in its colour, free bytes white, bytes two rules share hatched. Pointing
// at a byte shows a tip; clicking one reports it.
class DataAreaMapView final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBytesPerLine = 200;

    explicit DataAreaMapView(QWidget* parent = nullptr);

    void setMap(DataAreaMap map);
    const DataAreaMap& map() const { return map_; }

    // The text of the tip over a byte, shown as plain text.
    using TipText = std::function<QString(int byte)>;
    void setTipText(TipText tip) { tip_ = std::move(tip); }

    // The byte drawn at a point, or -1; where a byte is drawn.
    int byteAt(const QPoint& point) const;
    QRect byteRect(int byte) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void byteClicked(int byte);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QFont labelFont() const;
    int labelWidth() const;
    int cellWidth() const;
    int lineCount() const;

    DataAreaMap map_;
    TipText tip_;
};

} // namespace birch
