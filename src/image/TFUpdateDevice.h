#pragma once

#include "widgets/UiContext.h"

class QWidget;

namespace birch {

class TFBoot;

// The main window's step 4: compiles the active project into bin/bank.bin, tells the user what
// went wrong or which rules did not fit, and opens the update dialog in Ethernet mode. The
// dialog stays closed when the image on disk does not reflect the project.
// Messages are shown over `parent` (the main window).
bool Update_Device(UiContext& context, TFBoot& FBoot, QWidget* parent);

} // namespace birch
