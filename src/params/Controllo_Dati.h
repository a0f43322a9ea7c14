#pragma once

#include "params/ParGen.h"

#include <optional>

namespace birch {

// Checks the edited parameters in their fixed order and stops at the first failure. Returns
// the number of that failure's message in the text table, or nothing when every check passes.
std::optional<int> Controllo_Dati(const TParGen& record);

} // namespace birch
