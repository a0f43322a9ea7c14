#pragma once

#include "platform/HttpClient.h"

#include <chrono>
#include <cstddef>

namespace birch {

// Limits of one request. A reply that takes longer or is larger fails like any other error.
struct HttpLimits {
    std::chrono::milliseconds connectTimeout{10000};
    std::chrono::milliseconds totalTimeout{20000};
    std::size_t maxBodySize = 64 * 1024;
};

// HTTP/1.0 GET over libcurl: a fresh handle per request, no signals, no redirects, no proxy
// (also not from http_proxy and friends), http and https only, status 200 required. While
// BIRCH_LOOPBACK_ONLY is set, only hosts on 127.0.0.0/8 are contacted. libcurl is loaded by the
// first request (CurlLibrary); when it cannot be, every request fails with the reason.
class CurlHttpClient final : public HttpClient {
public:
    explicit CurlHttpClient(HttpLimits limits = {}) : limits_(limits) {}

    HttpReply get(const HttpRequest& request) const override;

private:
    HttpLimits limits_;
};

} // namespace birch
