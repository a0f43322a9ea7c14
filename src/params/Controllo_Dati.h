#pragma once

#include "params/ParGen.h"

#include <optional>
#include <string_view>

namespace birch {

// The first check that failed: the number of its message in the text table and the key (as in
// ParGen.xml) of the value it refused, so that a window can point at that value's control.
struct ParGenFailure {
    int message;
    std::string_view key;

    bool operator==(const ParGenFailure&) const = default;
};

// Checks the edited parameters in their fixed order and stops at the first failure. Nothing
// when every check passes.
std::optional<ParGenFailure> Controllo_Dati(const TParGen& record);

} // namespace birch
