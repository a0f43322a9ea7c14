#include "core/BuildConstants.h"
#include "options/MakerAddresses.h"
#include "options/VersionCheck.h"
#include "platform/CurlHttpClient.h"

#include "LocalHttpServer.h"
#include "ScopedEnv.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace birch {
namespace {

using test::LocalHttpServer;
using namespace std::chrono_literals;

// Short limits so that a silent server fails the request quickly.
HttpLimits shortLimits()
{
    HttpLimits limits;
    limits.connectTimeout = 2000ms;
    limits.totalTimeout = 500ms;
    limits.maxBodySize = 64;
    return limits;
}

bool checkAgainst(const std::string& service, HttpLimits limits = shortLimits())
{
    const CurlHttpClient http(limits);
    const VersionChecker checker(http, Version_Query_Url(service, SoftwareCode));
    return checker.Check_Version();
}

TEST(HttpVersionQuery, SendsTheDocumentedRequest)
{
    LocalHttpServer server(LocalHttpServer::reply(200, "VER. 1.102"));
    EXPECT_TRUE(checkAgainst(server.url()));

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    const std::string& head = requests[0];
    EXPECT_EQ(head.substr(0, head.find("\r\n")), "GET /home/download/GetversionSW.asp?nomesw=Birchcfg HTTP/1.0");
    EXPECT_NE(head.find("\r\nAccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"),
              std::string::npos)
        << head;
    EXPECT_EQ(head.find("Cookie:"), std::string::npos) << head;
    EXPECT_EQ(head.find("Authorization:"), std::string::npos) << head;
    EXPECT_EQ(head.find("Proxy-"), std::string::npos) << head;
}

TEST(HttpVersionQuery, IgnoresProxiesNamedByTheEnvironment)
{
    LocalHttpServer proxy(LocalHttpServer::reply(200, "VER. 9.999"));
    LocalHttpServer server(LocalHttpServer::reply(200, "VER. 1.101"));
    test::ScopedEnv httpProxy("http_proxy", proxy.url());
    test::ScopedEnv allProxy("ALL_PROXY", proxy.url());
    test::ScopedEnv noProxy("NO_PROXY", std::nullopt);

    EXPECT_FALSE(checkAgainst(server.url()));
    EXPECT_EQ(server.requests().size(), 1u);
    EXPECT_TRUE(proxy.requests().empty());
}

struct ReplyCase {
    const char* name;
    std::string response;
    bool newer;
};

TEST(HttpVersionQuery, AnswersOfTheServiceDecideTheResult)
{
    const ReplyCase cases[] = {
        {"newer", LocalHttpServer::reply(200, "VER. 1.102"), true},
        {"same", LocalHttpServer::reply(200, "VER. 1.101"), false},
        {"never newer", LocalHttpServer::reply(200, "VER. 0.000"), false},
        {"empty", LocalHttpServer::reply(200, ""), false},
        {"not found", LocalHttpServer::reply(404, "VER. 9.999"), false},
        {"redirect", LocalHttpServer::reply(302, "VER. 9.999"), false},
        {"body at the cap", LocalHttpServer::reply(200, "VER. 1.102" + std::string(54, ' ')), true},
        {"body over the cap", LocalHttpServer::reply(200, "VER. 1.102" + std::string(55, ' ')), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LocalHttpServer server(c.response);
        EXPECT_EQ(checkAgainst(server.url()), c.newer);
        EXPECT_EQ(server.requests().size(), 1u);
    }
}

TEST(HttpVersionQuery, ServerThatNeverAnswersEndsInFailure)
{
    LocalHttpServer server("", LocalHttpServer::Mode::Silent);
    const CurlHttpClient http(shortLimits());
    const HttpReply reply = http.get({server.url() + "/", "", ""});
    EXPECT_FALSE(reply.ok);
    EXPECT_FALSE(reply.error.empty());
    EXPECT_FALSE(checkAgainst(server.url()));
}

TEST(HttpVersionQuery, RefusedConnectionEndsInFailure)
{
    const std::string service = "http://127.0.0.1:" + std::to_string(LocalHttpServer::closedPort());
    const CurlHttpClient http(shortLimits());
    EXPECT_FALSE(http.get({service + "/", "", ""}).ok);
    EXPECT_FALSE(checkAgainst(service));
}

TEST(HttpVersionQuery, OnlyHttpAndHttpsAreSpoken)
{
    const CurlHttpClient http(shortLimits());
    const HttpReply reply = http.get({"file:///etc/hostname", "", ""});
    EXPECT_FALSE(reply.ok);
    EXPECT_TRUE(reply.body.empty());
}

TEST(HttpVersionQuery, LoopbackGuardRefusesOtherHostsBeforeAnyTraffic)
{
    test::ScopedEnv guard("BIRCH_LOOPBACK_ONLY", "1");
    const CurlHttpClient http(shortLimits());
    // 0.0.0.0 would still reach this machine, so a broken guard sends nothing outside it.
    const HttpReply reply = http.get({"http://0.0.0.0:" + std::to_string(LocalHttpServer::closedPort()) + "/", "", ""});
    EXPECT_FALSE(reply.ok);
    EXPECT_NE(reply.error.find("refused: only 127.0.0.0/8"), std::string::npos) << reply.error;
}

TEST(HttpVersionQuery, EnvironmentPointsTheQueryAtAnotherService)
{
    LocalHttpServer server(LocalHttpServer::reply(200, "VER. 1.102"));
    test::ScopedEnv service("BIRCH_VERSION_SERVICE_URL", server.url());
    EXPECT_TRUE(checkAgainst(Maker_Addresses().versionService));
    EXPECT_EQ(server.requests().size(), 1u);
}

} // namespace
} // namespace birch
