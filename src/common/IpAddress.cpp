#include "common/IpAddress.h"

#include "common/DecimalNumber.h"
#include "common/TextUtil.h"

namespace birch {

IpAddressParts Valid_IP_Address(std::string_view text)
{
    IpAddressParts result;
    std::string_view rest = trimControl(text);
    bool allInRange = true;
    for (std::size_t i = 0; i < 4; ++i) {
        std::string_view part = rest;
        if (i < 3) {
            const auto dot = rest.find('.');
            if (dot == std::string_view::npos) {
                // Fewer than three dots: what was found so far is still returned.
                result.parts[i] = std::string(trimControl(rest));
                return result;
            }
            part = rest.substr(0, dot);
            rest.remove_prefix(dot + 1);
        }
        part = trimControl(part);
        result.parts[i] = std::string(part);
        const auto value = parseDecimal(part);
        if (!value || *value < 0 || *value > 255)
            allInRange = false;
    }
    result.valid = allInRange;
    return result;
}

} // namespace birch
