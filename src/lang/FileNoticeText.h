#pragma once

#include "common/FileNotice.h"
#include "core/AppState.h"
#include "lang/ExtraTexts.h"

#include <string>

namespace birch {

// The one wording of every message about a file that cannot be used: the text and the file; on
// a line of its own the reason, after the line and column where the parser stopped in a damaged
// file; then, when the file will be replaced, that it is kept as a backup first.
std::string describe(const ExtraTexts& extra, const FileNotice& notice);
std::string describe(const AppState& state, const FileNotice& notice);

} // namespace birch
