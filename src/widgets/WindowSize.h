#pragma once

#include <QSize>

class QWidget;

namespace birch {

// Fixes `window` at `defaultSize`, or larger where what its layout holds needs more room: a
// window of fixed size that still grows with its texts. Called again whenever its texts change.
void fixSizeToContents(QWidget& window, QSize defaultSize);

} // namespace birch
