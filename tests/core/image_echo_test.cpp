#include "FakeEcho.h"

#include "image/Send_Ping.h"

#include <gtest/gtest.h>

namespace birch::test {
namespace {

using std::chrono::milliseconds;

struct EchoFixture : ::testing::Test {
    VirtualClock clock;
    FakeEchoTransport transport{clock};
    EchoCheck check;
    int eventRuns = 0;

    bool ping(std::string_view address)
    {
        return check.Send_Ping(address, EchoService{transport, clock}, [this] { ++eventRuns; });
    }
};

TEST_F(EchoFixture, TwoRepliesAnswer)
{
    transport.reply();
    transport.reply();
    const milliseconds start = clock.now();
    EXPECT_TRUE(ping("127.0.0.1"));
    EXPECT_EQ(check.ping_res, 1);
    ASSERT_EQ(transport.requests.size(), 2u);
    EXPECT_EQ(transport.requests[0].address, (Ipv4Address{127, 0, 0, 1}));
    EXPECT_EQ(transport.requests[0].data.size(), 1024u);
    EXPECT_EQ(transport.requests[0].data.substr(0, 10), std::string("127.0.0.1") + '\0');
    EXPECT_LT(clock.now() - start, milliseconds(100));
    EXPECT_GT(eventRuns, 0);
}

TEST_F(EchoFixture, OneReplyThenSilenceFailsAfterAboutFiveSeconds)
{
    transport.reply();
    const milliseconds start = clock.now();
    EXPECT_FALSE(ping("127.0.0.1"));
    EXPECT_EQ(check.ping_res, 2);
    EXPECT_FALSE(check.cannotSend);
    const milliseconds took = clock.now() - start;
    EXPECT_GT(took, milliseconds(5000));
    EXPECT_LT(took, milliseconds(5500));
    // About one attempt every 410 ms.
    EXPECT_GE(transport.requests.size(), 12u);
    EXPECT_LE(transport.requests.size(), 14u);
    EXPECT_EQ(transport.finished, 1);
}

TEST_F(EchoFixture, RepliesNeedNotBeConsecutive)
{
    transport.reply();
    transport.silence();
    transport.reply();
    EXPECT_TRUE(ping("127.0.0.1"));
    EXPECT_EQ(transport.requests.size(), 3u);
}

TEST_F(EchoFixture, EmptyRepliesDoNotCount)
{
    for (int i = 0; i < 20; ++i)
        transport.reply(milliseconds(1), 0);
    EXPECT_FALSE(ping("127.0.0.1"));
    EXPECT_EQ(check.ping_res, 2);
}

TEST_F(EchoFixture, LateReplyIsATimeOut)
{
    transport.reply(milliseconds(600));
    transport.reply();
    transport.reply();
    EXPECT_TRUE(ping("127.0.0.1"));
    EXPECT_EQ(transport.requests.size(), 3u);
}

TEST_F(EchoFixture, UnusableAddressesAreNeverSent)
{
    for (const char* address : {"", "192.168.2", "192.168.2.", "a.b.c.d", "192.168.2.256", "1.2.3.4.5", " 1.2.3.4",
                                "1.2.3.4 ", "0x7f.0.0.1", "localhost", "1..2.3", "-1.0.0.1", "1.2.3.0004"}) {
        SCOPED_TRACE(address);
        EXPECT_FALSE(ping(address));
        EXPECT_EQ(check.ping_res, 0);
        EXPECT_FALSE(check.cannotSend);
    }
    EXPECT_TRUE(transport.requests.empty());
}

TEST(EchoCheckStop, StopRequestEndsTheCheckAtOnce)
{
    // Asked to stop after the first reply, and while waiting for a reply that never comes.
    struct Case {
        bool replies;
        int stopAtPause;
    };
    for (const Case c : {Case{true, 2}, Case{false, 3}}) {
        SCOPED_TRACE(c.replies);
        VirtualClock clock;
        FakeEchoTransport transport{clock};
        EchoCheck check;
        if (c.replies) {
            transport.reply();
            transport.reply();
        }
        int pauses = 0;
        const milliseconds start = clock.now();
        EXPECT_FALSE(
            check.Send_Ping("127.0.0.1", EchoService{transport, clock}, {}, [&] { return ++pauses == c.stopAtPause; }));
        EXPECT_TRUE(check.cancelled);
        EXPECT_FALSE(check.cannotSend);
        EXPECT_EQ(transport.requests.size(), 1u);
        EXPECT_EQ(transport.finished, 1);
        EXPECT_EQ(clock.now() - start, milliseconds(10) * c.stopAtPause);

        // The next check starts afresh.
        transport.reply();
        transport.reply();
        transport.reply();
        EXPECT_TRUE(check.Send_Ping("127.0.0.1", EchoService{transport, clock}));
        EXPECT_FALSE(check.cancelled);
    }
}

TEST(EchoAddress, DecimalEvenWithLeadingZeros)
{
    EXPECT_EQ(parseDottedDecimal("010.0.0.1"), (Ipv4Address{10, 0, 0, 1}));
    EXPECT_EQ(parseDottedDecimal("192.168.2.205"), (Ipv4Address{192, 168, 2, 205}));
    EXPECT_EQ(parseDottedDecimal("0.0.0.0"), (Ipv4Address{0, 0, 0, 0}));
}

TEST_F(EchoFixture, NoTransportIsReportedAsSuch)
{
    transport.refusal = EchoTransport::SendFailure{EchoTransport::SendFailure::Kind::CannotSend,
                                                   "ICMP datagram socket: Permission denied"};
    EXPECT_FALSE(ping("127.0.0.1"));
    EXPECT_EQ(check.ping_res, 0);
    ASSERT_TRUE(check.cannotSend);
    EXPECT_EQ(*check.cannotSend, "ICMP datagram socket: Permission denied");
}

// A transport that refuses every address, as the real ones do under the loopback guard.
class GuardedTransport final : public EchoTransport {
public:
    std::optional<SendFailure> send(const Ipv4Address&, std::string_view) override
    {
        return SendFailure{SendFailure::Kind::OutsideReach, "BIRCH_LOOPBACK_ONLY"};
    }
    Poll poll() override { return {}; }
};

TEST(EchoCheckFailure, GuardRefusalIsOutsideReachNotCannotSend)
{
    VirtualClock clock;
    GuardedTransport transport;
    EchoCheck check;
    EXPECT_FALSE(check.Send_Ping("192.168.2.205", EchoService{transport, clock}));
    EXPECT_TRUE(check.outsideReach);
    EXPECT_FALSE(check.cannotSend);
    EXPECT_EQ(check.ping_res, 0);
}

// A transport that can send, but whose program then reports it could not.
class LateFailure final : public EchoTransport {
public:
    std::optional<SendFailure> send(const Ipv4Address&, std::string_view) override { return std::nullopt; }
    Poll poll() override { return {Poll::Status::CannotSend, 0, "ping program could not send (exit status 2)"}; }
};

TEST(EchoCheckFailure, LateFailureIsCannotSend)
{
    VirtualClock clock;
    LateFailure transport;
    EchoCheck check;
    EXPECT_FALSE(check.Send_Ping("127.0.0.1", EchoService{transport, clock}));
    EXPECT_EQ(check.ping_res, 0);
    EXPECT_TRUE(check.cannotSend);
}

} // namespace
} // namespace birch::test
