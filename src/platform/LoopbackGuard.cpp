#include "platform/LoopbackGuard.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <string>

namespace birch {

bool loopbackOnly()
{
    const char* value = std::getenv("BIRCH_LOOPBACK_ONLY");
    return value != nullptr && *value != '\0' && std::string_view(value) != "0";
}

bool isLoopbackHost(std::string_view host)
{
    if (host == "localhost")
        return true;
    in_addr address{};
    const std::string text(host);
    if (::inet_pton(AF_INET, text.c_str(), &address) != 1)
        return false;
    return (ntohl(address.s_addr) >> 24) == 127;
}

} // namespace birch
