#pragma once

#include <string>
#include <string_view>

namespace birch {

// `text` when it is an entry of PostOpe_SL (exact comparison), else the empty text. Used to
// accept a post-operation read from the rule file.
std::string Get_PostOperatin(std::string_view text);

} // namespace birch
