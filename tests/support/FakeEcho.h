#pragma once

#include "platform/Clock.h"
#include "platform/EchoTransport.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace birch::test {

// A clock that only moves when someone sleeps.
class VirtualClock final : public Clock {
public:
    std::chrono::milliseconds now() override { return now_; }
    void sleep(std::chrono::milliseconds duration) override { now_ += duration; }

private:
    std::chrono::milliseconds now_{100000};
};

// Answers each request as scripted: a reply of some bytes after a delay, or silence once the
// script has run out. Records every request.
class FakeEchoTransport final : public EchoTransport {
public:
    struct Reply {
        std::chrono::milliseconds after;
        std::size_t bytes;
    };

    explicit FakeEchoTransport(Clock& clock) : clock_(clock) {}

    void reply(std::chrono::milliseconds after = std::chrono::milliseconds(1), std::size_t bytes = 1024)
    {
        script_.push_back(Reply{after, bytes});
    }
    void silence() { script_.push_back(std::nullopt); }

    std::optional<SendFailure> send(const Ipv4Address& address, std::string_view data) override
    {
        if (refusal)
            return refusal;
        requests.push_back({address, std::string(data)});
        if (onSend)
            onSend();
        sentAt_ = clock_.now();
        current_.reset();
        if (!script_.empty()) {
            current_ = script_.front();
            script_.pop_front();
        }
        return std::nullopt;
    }

    Poll poll() override
    {
        if (current_ && clock_.now() - sentAt_ >= current_->after) {
            const std::size_t bytes = current_->bytes;
            current_.reset();
            return {Poll::Status::Reply, bytes, {}};
        }
        return {};
    }

    void finish() override { ++finished; }

    struct Request {
        Ipv4Address address;
        std::string data;
    };
    std::vector<Request> requests;
    std::optional<SendFailure> refusal; // every send is refused with it, nothing goes out
    int finished = 0;
    std::function<void()> onSend; // runs with every request that goes out

private:
    Clock& clock_;
    std::deque<std::optional<Reply>> script_;
    std::optional<Reply> current_;
    std::chrono::milliseconds sentAt_{};
};

} // namespace birch::test
