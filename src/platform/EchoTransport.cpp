#include "platform/EchoTransport.h"

#include "platform/LoopbackGuard.h"

namespace birch {

std::string toText(const Ipv4Address& address)
{
    return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." + std::to_string(address[2]) + "." +
           std::to_string(address[3]);
}

std::optional<EchoTransport::SendFailure> outsideReach(const Ipv4Address& address)
{
    if (targetAllowed(toText(address)))
        return std::nullopt;
    return EchoTransport::SendFailure{EchoTransport::SendFailure::Kind::OutsideReach,
                                      "only 127.0.0.0/8 may be contacted while BIRCH_LOOPBACK_ONLY is set"};
}

} // namespace birch
