#include "widgets/ByteAddressEdits.h"

#include "widgets/CollapsibleGroup.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace birch {

namespace {
constexpr int kByteWidth = 42;
constexpr int kDotWidth = 10;
} // namespace

std::array<QLineEdit*, 4> addByteAddressEdits(CollapsibleGroup& group, const QString& namePrefix, int row, int column)
{
    std::array<QLineEdit*, 4> bytes{};
    QList<QWidget*> cell;
    for (int i = 0; i < 4; ++i) {
        auto* edit = new QLineEdit;
        edit->setObjectName(namePrefix + QString::number(i + 1));
        edit->setAlignment(Qt::AlignCenter);
        // Room for any byte in the edit's font, and never narrower than the design.
        edit->setFixedWidth(std::max(kByteWidth, edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8));
        bytes[static_cast<std::size_t>(i)] = edit;
        cell.append(edit);
        if (i < 3) {
            auto* dot = new QLabel(QStringLiteral("."));
            dot->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            dot->setFixedWidth(kDotWidth);
            cell.append(dot);
        }
    }
    group.addControls(cell, row, column);
    return bytes;
}

} // namespace birch
