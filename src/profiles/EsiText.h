#pragma once

#include <string>
#include <string_view>

namespace birch {

// A name as the element text of the ESI file, in pure ASCII: "&", "<" and ">" escaped, every
// other character outside printable ASCII written as a numeric character reference ("é" as
// "&#xE9;"). Bytes that are not UTF-8, and characters XML does not allow, become U+FFFD, so the
// file stays well-formed whatever the project files hold.
std::string esiText(std::string_view utf8);

} // namespace birch
