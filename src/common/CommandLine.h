#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace birch {

// Splits a command-line text into arguments for a program started without a shell: blanks and
// tabs separate, double quotes keep blanks inside one argument and are removed. Nothing else is
// interpreted.
std::vector<std::string> splitCommandLine(std::string_view text);

} // namespace birch
