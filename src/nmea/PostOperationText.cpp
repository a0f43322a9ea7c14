#include "nmea/PostOperationText.h"

#include "nmea/PostOperations.h"

#include <algorithm>

namespace birch {

std::string Get_PostOperatin(std::string_view text)
{
    return std::find(PostOpe_SL.begin(), PostOpe_SL.end(), text) != PostOpe_SL.end() ? std::string(text)
                                                                                     : std::string();
}

} // namespace birch
