#pragma once

#include "widgets/UiContext.h"

class QWidget;

namespace birch {

// Profile `Elm`, step "EtherCAT ESI File": asks where to save (starting in the project folder,
// ".xml" added to a name without extension), asks before replacing an existing file, and writes
// the ESI file of the active project. Every failure is told once, naming the file; messages are
// shown over `parent` (the main window).
void EtherCAT_ESI_File(UiContext& context, QWidget* parent);

} // namespace birch
