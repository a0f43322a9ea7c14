#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace birch {

// RFC 4180: a field holding a comma, a quote, CR or LF is quoted, its quotes doubled.
std::string csvField(std::string_view text);
// The fields joined by commas and ended by CR LF.
std::string csvRecord(const std::vector<std::string>& fields);

// The byte-order mark that makes spreadsheets read a CSV file as UTF-8.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

} // namespace birch
