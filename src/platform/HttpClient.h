#pragma once

#include <string>

namespace birch {

// One GET request. Cookies, authentication and proxies are never used.
struct HttpRequest {
    std::string url;
    std::string accept;    // value of the Accept header; none when empty
    std::string userAgent; // none when empty
};

// The body of a reply with status 200, or why there is none.
struct HttpReply {
    bool ok = false;
    std::string body;
    std::string error;
};

// A small HTTP GET client. Implementations must be safe to call from any thread, one request
// at a time per call (the periodic version check runs on a worker thread).
class HttpClient {
public:
    virtual ~HttpClient() = default;
    virtual HttpReply get(const HttpRequest& request) const = 0;
};

} // namespace birch
