#pragma once

#include <string_view>

namespace birch {

// True while BIRCH_LOOPBACK_ONLY is set in the environment (CTest sets it).
bool loopbackOnly();

// True when `host` is a dotted-decimal IPv4 address in 127.0.0.0/8 or "localhost".
bool isLoopbackHost(std::string_view host);

// The network services refuse a target unless this holds.
inline bool targetAllowed(std::string_view host)
{
    return !loopbackOnly() || isLoopbackHost(host);
}

} // namespace birch
