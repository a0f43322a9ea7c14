#pragma once

#include "common/FileNotice.h"
#include "core/AppState.h"

#include <string>

namespace birch {

// The message shown for a notice, in the current language.
std::string describe(const AppState& state, const FileNotice& notice);

} // namespace birch
