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
    if (const auto reason = transport->send(kLoopback, data))
        GTEST_SKIP() << "this machine allows no echo this way: " << *reason;
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

// A stand-in for the ping program: records its arguments and locale, exits as told.
std::filesystem::path standInPing(const TempDir& dir, int exitCode)
{
    const auto script = dir / "ping";
    writeFixture(script, "#!/bin/sh\necho \"$LC_ALL|$*\" > \"" + (dir / "ran").string() +
                             "\"\necho 'ping: socket: Operation not permitted' >&2\nexit " + std::to_string(exitCode) +
                             "\n");
    ::chmod(script.c_str(), 0755);
    return script;
}

TEST(PingProgramEcho, JudgedByExitCodeAndRunWithoutShell)
{
    struct Case {
        int exitCode;
        EchoTransport::Poll::Status expected;
    };
    for (const Case c : {Case{0, EchoTransport::Poll::Status::Reply}, Case{1, EchoTransport::Poll::Status::Pending},
                         Case{2, EchoTransport::Poll::Status::CannotSend}}) {
        SCOPED_TRACE(c.exitCode);
        TempDir dir;
        const auto transport = makePingProgramTransport(standInPing(dir, c.exitCode).string());
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
    EXPECT_NE(refusal->find("BIRCH_LOOPBACK_ONLY"), std::string::npos);
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(std::filesystem::exists(dir / "ran"));
}

TEST(PingProgramEcho, MissingProgramCannotSend)
{
    TempDir dir;
    const auto transport = makePingProgramTransport((dir / "no-such-ping").string());
    EXPECT_TRUE(transport->send(kLoopback, "x"));
}

} // namespace
} // namespace birch::test
