#include "common/DecimalNumber.h"

#include <charconv>

namespace birch {

std::optional<std::int32_t> parseDecimal(std::string_view text)
{
    if (text.empty() || text == "-")
        return std::nullopt;
    const std::size_t digitsFrom = text.front() == '-' ? 1 : 0;
    for (std::size_t i = digitsFrom; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::int32_t decimalOr(std::string_view text, std::int32_t fallback)
{
    return parseDecimal(text).value_or(fallback);
}

} // namespace birch
