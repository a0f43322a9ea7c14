#include "widgets/DataAreaMapView.h"

#include "nmea/DataAreaColours.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>

namespace birch {

namespace {

constexpr int kCellHeight = 7;
constexpr int kLineGap = 2;
constexpr int kRegisterGap = 1;
constexpr int kMinCellWidth = 2;
constexpr int kMaxCellWidth = 8;
constexpr int kPreferredCellWidth = 4;
constexpr double kLabelScale = 0.8;
constexpr int kRegistersPerLine = DataAreaMapView::kBytesPerLine / 2;
const QColor kGapColour(0xC8, 0xC8, 0xC8);

QColor colourOf(std::size_t rule)
{
    return QColor::fromRgb(static_cast<QRgb>(ruleColour(rule)));
}

} // namespace

DataAreaMapView::DataAreaMapView(QWidget* parent) : QWidget(parent), map_(std::vector<PlacedRule>{})
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void DataAreaMapView::setMap(DataAreaMap map)
{
    map_ = std::move(map);
    update();
}

QFont DataAreaMapView::labelFont() const
{
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * kLabelScale);
    return small;
}

int DataAreaMapView::labelWidth() const
{
    const QFontMetrics metrics(labelFont());
    return metrics.horizontalAdvance(QStringLiteral("1800")) + metrics.averageCharWidth();
}

int DataAreaMapView::lineCount() const
{
    return (DataAreaMap::kBytes + kBytesPerLine - 1) / kBytesPerLine;
}

int DataAreaMapView::cellWidth() const
{
    const int free = width() - labelWidth() - (kRegistersPerLine - 1) * kRegisterGap;
    return std::clamp(free / kBytesPerLine, kMinCellWidth, kMaxCellWidth);
}

QRect DataAreaMapView::byteRect(int byte) const
{
    const int line = byte / kBytesPerLine;
    const int column = byte % kBytesPerLine;
    const int x = labelWidth() + column * cellWidth() + (column / 2) * kRegisterGap;
    return {x, line * (kCellHeight + kLineGap), cellWidth(), kCellHeight};
}

int DataAreaMapView::byteAt(const QPoint& point) const
{
    const int line = point.y() / (kCellHeight + kLineGap);
    if (point.y() < 0 || line >= lineCount() || point.x() < labelWidth())
        return -1;
    const int pairWidth = 2 * cellWidth() + kRegisterGap;
    const int offset = point.x() - labelWidth();
    const int pair = offset / pairWidth;
    // A point in the gap after a register belongs to that register's second byte.
    const int column = std::min(2 * pair + std::min((offset % pairWidth) / cellWidth(), 1), kBytesPerLine - 1);
    const int byte = line * kBytesPerLine + column;
    return pair < kRegistersPerLine && byte < DataAreaMap::kBytes ? byte : -1;
}

QSize DataAreaMapView::sizeHint() const
{
    return {labelWidth() + kBytesPerLine * kPreferredCellWidth + (kRegistersPerLine - 1) * kRegisterGap,
            lineCount() * (kCellHeight + kLineGap)};
}

QSize DataAreaMapView::minimumSizeHint() const
{
    return {labelWidth() + kBytesPerLine * kMinCellWidth + (kRegistersPerLine - 1) * kRegisterGap,
            lineCount() * (kCellHeight + kLineGap)};
}

bool DataAreaMapView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int byte = byteAt(help->pos());
    if (byte < 0 || !tip_) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // Rule texts are shown as they are, never as markup.
    QToolTip::showText(help->globalPos(), Qt::convertFromPlainText(tip_(byte), Qt::WhiteSpaceNormal), this,
                       byteRect(byte));
    return true;
}

void DataAreaMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(labelFont());
    // The offsets of as many lines as their text leaves room for.
    const int pitch = kCellHeight + kLineGap;
    const int textHeight = QFontMetrics(labelFont()).height();
    const int step = (textHeight + pitch - 1) / pitch;
    for (int line = 0; line < lineCount(); line += step) {
        const QRect label(0, line * pitch + kCellHeight / 2 - textHeight / 2, labelWidth() - 4, textHeight);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(line * kBytesPerLine));
    }
    const QRect area(labelWidth(), 0, byteRect(kBytesPerLine - 1).right() - labelWidth() + 1, height());
    for (int line = 0; line < lineCount(); ++line)
        painter.fillRect(QRect(area.left(), line * (kCellHeight + kLineGap), area.width(), kCellHeight), kGapColour);
    const QBrush hatch(Qt::black, Qt::BDiagPattern);
    for (int byte = 0; byte < DataAreaMap::kBytes; ++byte) {
        const QRect cell = byteRect(byte);
        const auto& claims = map_.claims(byte);
        if (claims.empty()) {
            painter.fillRect(cell, Qt::white);
        } else if (claims.size() == 1) {
            painter.fillRect(cell, colourOf(static_cast<std::size_t>(claims.front())));
        } else {
            painter.fillRect(cell, Qt::white);
            painter.fillRect(cell, hatch);
        }
    }
}

void DataAreaMapView::mousePressEvent(QMouseEvent* event)
{
    const int byte = byteAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && byte >= 0)
        Q_EMIT byteClicked(byte);
    QWidget::mousePressEvent(event);
}

} // namespace birch
