#include "widgets/ByteAddressEdits.h"

#include "widgets/CollapsibleGroup.h"

#include <QLabel>
#include <QLineEdit>
#include <QRect>

namespace birch {

namespace {
constexpr int kByteWidth = 42;
constexpr int kDotWidth = 10;
constexpr int kHeight = 24;
} // namespace

std::array<QLineEdit*, 4> addByteAddressEdits(CollapsibleGroup& group, const QString& namePrefix, int x, int y)
{
    std::array<QLineEdit*, 4> bytes{};
    for (int i = 0; i < 4; ++i) {
        auto* edit = new QLineEdit;
        edit->setObjectName(namePrefix + QString::number(i + 1));
        edit->setAlignment(Qt::AlignCenter);
        group.addControl(edit, QRect(x + i * (kByteWidth + kDotWidth), y, kByteWidth, kHeight));
        bytes[static_cast<std::size_t>(i)] = edit;
        if (i < 3) {
            auto* dot = new QLabel(QStringLiteral("."), group.body());
            dot->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            dot->setGeometry(x + i * (kByteWidth + kDotWidth) + kByteWidth, y, kDotWidth, kHeight - 4);
        }
    }
    return bytes;
}

} // namespace birch
