#pragma once

#include <QString>

class QLabel;

namespace birch {

// Texts from files, folder names, language files or the user are shown as they are: markup in
// them is displayed, never applied.

// Makes `label` show its text literally; returns it.
QLabel* plainLabel(QLabel* label);

// The tooltip that shows `text` literally. A tooltip is read as rich text whenever it looks like
// markup, so such a text is handed over as markup that displays it.
QString plainToolTip(const QString& text);

} // namespace birch
