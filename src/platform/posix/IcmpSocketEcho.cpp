#include "platform/EchoTransport.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <linux/icmp.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <random>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace birch {

namespace {

constexpr std::uint8_t kEchoRequest = 8;
constexpr std::uint8_t kEchoReply = 0;
constexpr std::size_t kIcmpHeaderSize = 8;

std::uint16_t internetChecksum(const std::vector<std::uint8_t>& packet)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < packet.size(); i += 2)
        sum += static_cast<std::uint32_t>(packet[i] << 8 | packet[i + 1]);
    if (packet.size() % 2)
        sum += static_cast<std::uint32_t>(packet.back() << 8);
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint16_t>(~sum);
}

std::string systemReason(const char* what, int error)
{
    return std::string(what) + ": " + std::strerror(error);
}

// Errors that say this machine does not let us send, as opposed to the target being unreachable.
bool deniedHere(int error)
{
    return error == EACCES || error == EPERM || error == EPROTONOSUPPORT || error == EAFNOSUPPORT ||
           error == ESOCKTNOSUPPORT || error == EINVAL;
}

// An ICMP socket: datagram (the kernel picks the identifier and filters replies) or raw (we
// filter by type, identifier, sequence and source ourselves).
class IcmpSocketEcho final : public EchoTransport {
public:
    explicit IcmpSocketEcho(bool raw) : raw_(raw)
    {
        std::random_device random;
        identifier_ = static_cast<std::uint16_t>(random());
    }
    ~IcmpSocketEcho() override
    {
        if (socket_ >= 0)
            ::close(socket_);
    }
    IcmpSocketEcho(const IcmpSocketEcho&) = delete;
    IcmpSocketEcho& operator=(const IcmpSocketEcho&) = delete;

    std::optional<SendFailure> send(const Ipv4Address& address, std::string_view data) override
    {
        if (auto refused = outsideReach(address))
            return refused;
        if (auto failure = open())
            return SendFailure{SendFailure::Kind::CannotSend, std::move(*failure)};

        target_ = address;
        ++sequence_;
        waiting_ = false;
        std::vector<std::uint8_t> packet(kIcmpHeaderSize);
        packet[0] = kEchoRequest;
        packet[4] = static_cast<std::uint8_t>(identifier_ >> 8);
        packet[5] = static_cast<std::uint8_t>(identifier_);
        packet[6] = static_cast<std::uint8_t>(sequence_ >> 8);
        packet[7] = static_cast<std::uint8_t>(sequence_);
        packet.insert(packet.end(), data.begin(), data.end());
        const std::uint16_t checksum = internetChecksum(packet);
        packet[2] = static_cast<std::uint8_t>(checksum >> 8);
        packet[3] = static_cast<std::uint8_t>(checksum);

        sockaddr_in to{};
        to.sin_family = AF_INET;
        std::memcpy(&to.sin_addr, address.data(), 4);
        if (::sendto(socket_, packet.data(), packet.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0) {
            const int error = errno;
            if (deniedHere(error))
                return SendFailure{SendFailure::Kind::CannotSend,
                                   systemReason(raw_ ? "raw ICMP socket" : "ICMP datagram socket", error)};
            return std::nullopt; // unreachable target: no reply will come
        }
        waiting_ = true;
        return std::nullopt;
    }

    Poll poll() override
    {
        std::array<std::uint8_t, 65536> buffer{};
        while (waiting_) {
            sockaddr_in from{};
            socklen_t fromSize = sizeof from;
            const ssize_t received = ::recvfrom(socket_, buffer.data(), buffer.size(), MSG_DONTWAIT,
                                                reinterpret_cast<sockaddr*>(&from), &fromSize);
            if (received < 0)
                return {};
            if (const auto bytes = matchReply(buffer.data(), static_cast<std::size_t>(received), from)) {
                waiting_ = false;
                return {Poll::Status::Reply, *bytes, {}};
            }
        }
        return {};
    }

private:
    std::optional<std::string> open()
    {
        if (socket_ >= 0)
            return std::nullopt;
        const int type = (raw_ ? SOCK_RAW : SOCK_DGRAM) | SOCK_NONBLOCK | SOCK_CLOEXEC;
        const int fd = ::socket(AF_INET, type, IPPROTO_ICMP);
        if (fd < 0)
            return systemReason(raw_ ? "raw ICMP socket" : "ICMP datagram socket", errno);
        if (raw_) {
            // Only echo replies reach the socket, not every ICMP message of the machine.
            icmp_filter filter{};
            filter.data = ~(1u << ICMP_ECHOREPLY);
            if (::setsockopt(fd, SOL_RAW, ICMP_FILTER, &filter, sizeof filter) < 0) {
                const int error = errno;
                ::close(fd);
                return systemReason("ICMP_FILTER", error);
            }
        }
        socket_ = fd;
        return std::nullopt;
    }

    std::optional<std::size_t> matchReply(const std::uint8_t* packet, std::size_t size, const sockaddr_in& from) const
    {
        if (std::memcmp(&from.sin_addr, target_.data(), 4) != 0)
            return std::nullopt;
        if (raw_) {
            if (size < 20)
                return std::nullopt;
            const std::size_t headerSize = static_cast<std::size_t>(packet[0] & 0x0F) * 4;
            if (headerSize < 20 || size < headerSize)
                return std::nullopt;
            packet += headerSize;
            size -= headerSize;
        }
        if (size < kIcmpHeaderSize || packet[0] != kEchoReply)
            return std::nullopt;
        const auto sequence = static_cast<std::uint16_t>(packet[6] << 8 | packet[7]);
        if (sequence != sequence_)
            return std::nullopt;
        // The kernel owns the identifier of a datagram socket and filters by it already.
        const auto identifier = static_cast<std::uint16_t>(packet[4] << 8 | packet[5]);
        if (raw_ && identifier != identifier_)
            return std::nullopt;
        return size - kIcmpHeaderSize;
    }

    bool raw_;
    int socket_ = -1;
    std::uint16_t identifier_ = 0;
    std::uint16_t sequence_ = 0;
    Ipv4Address target_{};
    bool waiting_ = false;
};

} // namespace

std::unique_ptr<EchoTransport> makeIcmpDatagramTransport()
{
    return std::make_unique<IcmpSocketEcho>(false);
}

std::unique_ptr<EchoTransport> makeIcmpRawTransport()
{
    return std::make_unique<IcmpSocketEcho>(true);
}

} // namespace birch
