#pragma once

#include "widgets/UiContext.h"

class QWidget;

namespace birch {

// The main window's Objects Map step: asks where to save the map (in the project folder,
// ".csv" added unless the name ends so), asks before overwriting a file and writes the map of
// the active project's rule file. Messages are shown over `parent` (the main window).
void PROFINET_Map(UiContext& context, QWidget* parent);

} // namespace birch
