#include "nmea/PostOperations.h"

namespace birch {

int GetIndexPostOperation(std::string_view text)
{
    for (std::size_t i = 0; i < PostOpe_SL.size(); ++i)
        if (PostOpe_SL[i] == text)
            return static_cast<int>(i);
    return 0;
}

std::string Get_PostOperatin(std::string_view text)
{
    for (const auto entry : PostOpe_SL)
        if (entry == text)
            return std::string(text);
    return {};
}

} // namespace birch
