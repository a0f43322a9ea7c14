#pragma once

#include <string>
#include <string_view>

namespace birch {

// Text for HTML content and attribute values: &, <, >, " and ' as character references.
std::string htmlEscape(std::string_view text);

} // namespace birch
