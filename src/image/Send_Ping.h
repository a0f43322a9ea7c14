#pragma once

#include "platform/Clock.h"
#include "platform/EchoTransport.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace birch {

// What the update dialog needs to check that a device answers.
struct EchoService {
    EchoTransport& transport;
    Clock& clock;
};

// The address as four bytes when it is dotted-decimal IPv4 read in decimal (no names, so no
// name look-up; no octal; nothing around it), else nothing.
std::optional<Ipv4Address> parseDottedDecimal(std::string_view text);

// The echo check of the update dialog: requests until two replies carrying data have arrived
// or 5 s have passed, each waited for at most 400 ms.
class EchoCheck {
public:
    // 0 no reply handled yet, 1 a reply carrying data arrived, 2 the echo ended without data.
    int ping_res = 0;
    // Set when no echo could be sent from this machine at all.
    std::optional<std::string> cannotSend;
    // Set when this run may not contact the address at all (BIRCH_LOOPBACK_ONLY).
    bool outsideReach = false;
    // Set when the check stopped because `stopRequested` said so.
    bool cancelled = false;

    // `processEvents` runs after every 10 ms sleep so the window keeps painting; the check ends
    // (false) as soon as `stopRequested` answers true after it.
    bool Send_Ping(std::string_view address, EchoService service, const std::function<void()>& processEvents = {},
                   const std::function<bool()>& stopRequested = {});

    // The echo client's reply handler.
    void PingReply(std::size_t bytes) { ping_res = bytes > 0 ? 1 : 2; }
};

} // namespace birch
