#include "image/Send_Ping.h"

#include <chrono>

namespace birch {

namespace {

using std::chrono::milliseconds;

constexpr milliseconds kReceiveTimeout{400};
constexpr milliseconds kTotalTime{5000};
constexpr milliseconds kWaitStep{10};
constexpr std::size_t kEchoDataSize = 1024;

// The request carries the address text, padded to the echo size.
std::string echoData(std::string_view address)
{
    std::string data(address.substr(0, kEchoDataSize));
    data.resize(kEchoDataSize, '\0');
    return data;
}

} // namespace

std::optional<Ipv4Address> parseDottedDecimal(std::string_view text)
{
    Ipv4Address address{};
    for (std::size_t part = 0; part < address.size(); ++part) {
        const std::size_t end = part < 3 ? text.find('.') : text.size();
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view digits = text.substr(0, end);
        if (digits.empty() || digits.size() > 3)
            return std::nullopt;
        int value = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + (c - '0');
        }
        if (value > 255)
            return std::nullopt;
        address[part] = static_cast<std::uint8_t>(value);
        text = part < 3 ? text.substr(end + 1) : std::string_view();
    }
    return address;
}

bool EchoCheck::Send_Ping(std::string_view address, EchoService service, const std::function<void()>& processEvents,
                          const std::function<bool()>& stopRequested)
{
    Clock& clock = service.clock;
    // False once the user asked to stop.
    const auto pause = [&] {
        clock.sleep(kWaitStep);
        if (processEvents)
            processEvents();
        cancelled = stopRequested && stopRequested();
        return !cancelled;
    };

    ping_res = 0;
    cannotSend.reset();
    outsideReach = false;
    cancelled = false;
    const milliseconds start = clock.now();
    const auto host = parseDottedDecimal(address);
    if (!host)
        return false;
    const std::string data = echoData(address);

    int count = 0;
    for (;;) {
        const milliseconds attempt = clock.now();
        if (auto failure = service.transport.send(*host, data)) {
            if (failure->kind == EchoTransport::SendFailure::Kind::OutsideReach)
                outsideReach = true;
            else
                cannotSend = std::move(failure->reason);
            return false;
        }
        // The echo itself: ends with the reply handler, on a reply or after the receive time-out.
        for (;;) {
            const EchoTransport::Poll poll = service.transport.poll();
            if (poll.status == EchoTransport::Poll::Status::CannotSend) {
                cannotSend = poll.reason;
                service.transport.finish();
                return false;
            }
            if (poll.status == EchoTransport::Poll::Status::Reply) {
                PingReply(poll.bytes);
                break;
            }
            if (clock.now() - attempt > kReceiveTimeout) {
                PingReply(0);
                break;
            }
            if (!pause())
                break;
        }
        if (cancelled)
            break;
        // Sleeps at least once.
        while (pause() && ping_res == 0 && clock.now() - attempt <= kReceiveTimeout) {
        }
        if (cancelled)
            break;

        if (ping_res == 1)
            ++count;
        if (count >= 2 || clock.now() - start > kTotalTime)
            break;
    }
    service.transport.finish();
    return !cancelled && ping_res == 1;
}

} // namespace birch
