#include "ScopedEnv.h"
#include "TempDir.h"

#include "platform/EchoTransport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sys/stat.h>
#include <thread>

namespace birch::test {
namespace {

using namespace std::chrono_literals;

constexpr Ipv4Address kLoopback{127, 0, 0, 1};

// Polls until the reply, a failure, or two seconds.
EchoTransport::Poll awaitReply(EchoTransport& transport)
{
    const auto deadline = std::chrono::steady_clock::now() + 2s;
    while (std::chrono::steady_clock::now() < deadline) {
        const EchoTransport::Poll poll = transport.poll();
        if (poll.status != EchoTransport::Poll::Status::Pending)
            return poll;
        std::this_thread::sleep_for(10ms);
    }
    return {};
}

struct RealTransport {
    const char* name;
    std::unique_ptr<EchoTransport> (*make)();
};

class RealEcho : public ::testing::TestWithParam<RealTransport> {};

TEST_P(RealEcho, LoopbackAnswers)
{
    const auto transport = GetParam().make();
    const std::string data = "127.0.0.1" + std::string(1015, '\0');
    if (const auto failure = transport->send(kLoopback, data))
        GTEST_SKIP() << "this machine allows no echo this way: " << failure->reason;
    const EchoTransport::Poll poll = awaitReply(*transport);
    if (poll.status == EchoTransport::Poll::Status::CannotSend)
        GTEST_SKIP() << "this machine allows no echo this way: " << poll.reason;
    ASSERT_EQ(poll.status, EchoTransport::Poll::Status::Reply);
    EXPECT_EQ(poll.bytes, 1024u);

    // A second request is matched by its own sequence number.
    ASSERT_FALSE(transport->send(kLoopback, data));
    EXPECT_EQ(awaitReply(*transport).status, EchoTransport::Poll::Status::Reply);
}

INSTANTIATE_TEST_SUITE_P(Transports, RealEcho,
                         ::testing::Values(RealTransport{"Datagram", &makeIcmpDatagramTransport},
                                           RealTransport{"Raw", &makeIcmpRawTransport},
                                           RealTransport{"PingProgram", [] { return makePingProgramTransport(); }},
                                           RealTransport{"System", &makeSystemEchoTransport}),
                         [](const auto& info) { return std::string(info.param.name); });

// A stand-in for the ping program: records its arguments and locale, says `said` and exits as told.
std::filesystem::path standInPing(const TempDir& dir, int exitCode,
                                  const std::string& said = "ping: socket: Operation not permitted")
{
    const auto script = dir / "ping";
    writeFixture(script, "#!/bin/sh\necho \"$LC_ALL|$*\" > \"" + (dir / "ran").string() +
                             "\"\necho 'PING heading'\necho '" + said + "' >&2\nexit " + std::to_string(exitCode) +
                             "\n");
    ::chmod(script.c_str(), 0755);
    return script;
}

TEST(PingProgramEcho, JudgedByExitCodeAndRunWithoutShell)
{
    struct Case {
        int exitCode;
        std::string said;
        EchoTransport::Poll::Status expected;
    };
    const std::string denied = "ping: socket: Operation not permitted";
    // No route is the target's matter, as it is for the sockets: no reply, not "cannot send".
    for (const Case& c :
         {Case{0, denied, EchoTransport::Poll::Status::Reply}, Case{1, denied, EchoTransport::Poll::Status::Pending},
          Case{2, denied, EchoTransport::Poll::Status::CannotSend},
          Case{2, "ping: connect: Network is unreachable", EchoTransport::Poll::Status::Pending},
          Case{2, "ping: sendmsg: No route to host", EchoTransport::Poll::Status::Pending}}) {
        SCOPED_TRACE(c.exitCode);
        SCOPED_TRACE(c.said);
        TempDir dir;
        const auto transport = makePingProgramTransport(standInPing(dir, c.exitCode, c.said).string());
        ASSERT_FALSE(transport->send(kLoopback, std::string(1024, 'x')));
        EchoTransport::Poll poll;
        for (int i = 0; i < 200 && !std::filesystem::exists(dir / "ran"); ++i)
            std::this_thread::sleep_for(10ms);
        std::this_thread::sleep_for(50ms);
        poll = transport->poll();
        EXPECT_EQ(poll.status, c.expected);
        if (c.expected == EchoTransport::Poll::Status::CannotSend) {
            EXPECT_NE(poll.reason.find("ping: socket: Operation not permitted)"), std::string::npos) << poll.reason;
        }
        EXPECT_EQ(readAll(dir / "ran"), "C|-n -q -c 1 -W 1 -s 1024 -- 127.0.0.1\n");
    }
}

TEST(PingProgramEcho, RefusesOtherAddressesUnderTheLoopbackGuard)
{
    ::setenv("BIRCH_LOOPBACK_ONLY", "1", 1);
    TempDir dir;
    const auto transport = makePingProgramTransport(standInPing(dir, 0).string());
    const auto refusal = transport->send(Ipv4Address{192, 168, 2, 205}, "x");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->kind, EchoTransport::SendFailure::Kind::OutsideReach);
    EXPECT_NE(refusal->reason.find("BIRCH_LOOPBACK_ONLY"), std::string::npos);
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(std::filesystem::exists(dir / "ran"));
}

// The guard's refusal is its own kind whichever transport meets it, so nobody is told to allow
// echo sockets or install ping for it. 0.0.0.0 lies outside 127.0.0.0/8, yet were the guard ever
// to let it through, the echo would still not leave this machine.
TEST_P(RealEcho, GuardRefusalIsOutsideReach)
{
    const ScopedEnv guard("BIRCH_LOOPBACK_ONLY", "1");
    const auto transport = GetParam().make();
    const auto refusal = transport->send(Ipv4Address{0, 0, 0, 0}, "x");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->kind, EchoTransport::SendFailure::Kind::OutsideReach);
}

TEST(PingProgramEcho, MissingProgramCannotSend)
{
    TempDir dir;
    const auto transport = makePingProgramTransport((dir / "no-such-ping").string());
    EXPECT_TRUE(transport->send(kLoopback, "x"));
}

} // namespace
} // namespace birch::test
