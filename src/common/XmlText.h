#pragma once

#include <string>
#include <string_view>

namespace birch {

// Text that an XML 1.0 attribute can carry and that reads as one line: bytes that are not
// UTF-8 and characters XML does not allow become U+FFFD; tab, line feed and carriage return
// become blanks (a parser would turn them into blanks anyway).
std::string xmlLineText(std::string_view text);

} // namespace birch
