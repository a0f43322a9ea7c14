#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace birch {

using Ipv4Address = std::array<std::uint8_t, 4>;

// One way of sending ICMP echo requests over IPv4. Sending never blocks; the caller polls for
// the reply and decides when it has waited long enough.
class EchoTransport {
public:
    struct Poll {
        enum class Status { Pending, Reply, CannotSend };
        Status status = Status::Pending;
        std::size_t bytes = 0; // data bytes of the reply
        std::string reason;    // for CannotSend
    };

    // Why a request did not go out: this machine cannot send echoes this way at all, or this
    // run may not contact the address (BIRCH_LOOPBACK_ONLY).
    struct SendFailure {
        enum class Kind { CannotSend, OutsideReach };
        Kind kind = Kind::CannotSend;
        std::string reason;
    };

    virtual ~EchoTransport() = default;

    // Sends one request carrying `data`, replacing any earlier one. Nothing when it went out,
    // or when it failed for a reason of the target (no route): then no reply comes, whichever
    // transport it was.
    virtual std::optional<SendFailure> send(const Ipv4Address& address, std::string_view data) = 0;
    // Whether the reply to the last request has arrived.
    virtual Poll poll() = 0;
    // The check is over: let go of whatever still waits for the last reply.
    virtual void finish() {}
};

// The transports of this machine. Each refuses targets outside 127.0.0.0/8 while
// BIRCH_LOOPBACK_ONLY is set (`outsideReach`).
std::unique_ptr<EchoTransport> makeIcmpDatagramTransport();
std::unique_ptr<EchoTransport> makeIcmpRawTransport();
// The system's ping program, run directly; an empty path searches the usual places.
std::unique_ptr<EchoTransport> makePingProgramTransport(std::string program = {});
// Tries the datagram socket, the raw socket and the ping program, in this order, and keeps
// the first that can send.
std::unique_ptr<EchoTransport> makeSystemEchoTransport();

std::string toText(const Ipv4Address& address);

// The refusal of a target this run may not contact, or nothing when it may.
std::optional<EchoTransport::SendFailure> outsideReach(const Ipv4Address& address);

} // namespace birch
