#include "params/ParGenLists.h"

#include "common/DecimalNumber.h"
#include "common/TextUtil.h"

namespace birch {

int Baud_to_Index(std::string_view text)
{
    const auto value = parseDecimal(text).value_or(4800);
    for (std::size_t i = 0; i < BaudList.size(); ++i)
        if (parseDecimal(BaudList[i]) == value)
            return static_cast<int>(i);
    return 2;
}

int Parity_to_Index(std::string_view text)
{
    const std::string upper = upperAscii(text);
    if (upper == "ODD")
        return 1;
    if (upper == "EVEN")
        return 2;
    return 0;
}

int StopBits_to_Index(std::string_view text)
{
    return upperAscii(text) == "2 BITS" ? 1 : 0;
}

} // namespace birch
