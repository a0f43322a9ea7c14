#include "platform/EchoTransport.h"

namespace birch {

std::string toText(const Ipv4Address& address)
{
    return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." + std::to_string(address[2]) + "." +
           std::to_string(address[3]);
}

} // namespace birch
