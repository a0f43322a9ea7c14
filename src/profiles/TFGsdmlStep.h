#pragma once

#include "widgets/UiContext.h"

#include <string>

class QWidget;

namespace birch {

// The second stage of the main window's step "PROFINET XML": lets the user pick the folder
// (starting in the project folder, proposing `name`), confirms before an existing file of that
// name is replaced, and writes the device description of the active project there. Messages
// are shown over `parent` (the main window).
void Create_GSDML_File(UiContext& context, QWidget* parent, const std::string& name);

} // namespace birch
