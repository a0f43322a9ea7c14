#include "platform/EchoTransport.h"

#include <vector>

namespace birch {

namespace {

// Tries each transport in order until one can send, and keeps that one.
class SystemEchoTransport final : public EchoTransport {
public:
    SystemEchoTransport()
    {
        candidates_.push_back(makeIcmpDatagramTransport());
        candidates_.push_back(makeIcmpRawTransport());
        candidates_.push_back(makePingProgramTransport());
    }

    std::optional<SendFailure> send(const Ipv4Address& address, std::string_view data) override
    {
        if (chosen_)
            return chosen_->send(address, data);
        std::string reasons;
        for (auto& candidate : candidates_) {
            auto failure = candidate->send(address, data);
            if (!failure) {
                chosen_ = candidate.get();
                return std::nullopt;
            }
            // Another transport would be refused the same address.
            if (failure->kind == SendFailure::Kind::OutsideReach)
                return failure;
            reasons += (reasons.empty() ? "" : "; ") + failure->reason;
        }
        return SendFailure{SendFailure::Kind::CannotSend, reasons};
    }

    Poll poll() override { return chosen_ ? chosen_->poll() : Poll{}; }
    void finish() override
    {
        if (chosen_)
            chosen_->finish();
    }

private:
    std::vector<std::unique_ptr<EchoTransport>> candidates_;
    EchoTransport* chosen_ = nullptr;
};

} // namespace

std::unique_ptr<EchoTransport> makeSystemEchoTransport()
{
    return std::make_unique<SystemEchoTransport>();
}

} // namespace birch
