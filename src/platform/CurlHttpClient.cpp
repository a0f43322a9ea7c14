#include "platform/CurlHttpClient.h"

#include "platform/CurlLibrary.h"
#include "platform/LoopbackGuard.h"

#include <memory>
#include <optional>
#include <string_view>

namespace birch {

namespace {

// Each frees its object through the loaded library.
struct EasyDeleter {
    const CurlFunctions* curl;
    void operator()(CURL* handle) const { curl->easy_cleanup(handle); }
};
struct SlistDeleter {
    const CurlFunctions* curl;
    void operator()(curl_slist* list) const { curl->slist_free_all(list); }
};
struct UrlDeleter {
    const CurlFunctions* curl;
    void operator()(CURLU* url) const { curl->url_cleanup(url); }
};
struct CurlText {
    const CurlFunctions* curl;
    void operator()(char* text) const { curl->free(text); }
};

// The host part of `url`, or nothing when the address cannot be read.
std::optional<std::string> hostOf(const CurlFunctions& curl, const std::string& url)
{
    std::unique_ptr<CURLU, UrlDeleter> parsed(curl.url(), UrlDeleter{&curl});
    if (!parsed || curl.url_set(parsed.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK)
        return std::nullopt;
    char* raw = nullptr;
    if (curl.url_get(parsed.get(), CURLUPART_HOST, &raw, 0) != CURLUE_OK)
        return std::nullopt;
    std::unique_ptr<char, CurlText> host(raw, CurlText{&curl});
    return std::string(host.get());
}

struct BodySink {
    std::string body;
    std::size_t limit;
    bool tooLarge = false;
};

// Returning fewer bytes than offered makes libcurl stop with CURLE_WRITE_ERROR.
std::size_t collectBody(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* sink = static_cast<BodySink*>(user);
    const std::size_t bytes = size * count;
    if (sink->body.size() + bytes > sink->limit) {
        sink->tooLarge = true;
        return 0;
    }
    sink->body.append(data, bytes);
    return bytes;
}

template <typename Value> bool option(const CurlFunctions& functions, CURL* curl, CURLoption which, Value value)
{
    return functions.easy_setopt(curl, which, value) == CURLE_OK;
}

HttpReply failure(std::string reason)
{
    HttpReply reply;
    reply.error = std::move(reason);
    return reply;
}

} // namespace

HttpReply CurlHttpClient::get(const HttpRequest& request) const
{
    std::string unavailable;
    const CurlFunctions* functions = curlFunctions(unavailable);
    if (functions == nullptr)
        return failure(unavailable);
    const auto host = hostOf(*functions, request.url);
    if (!host)
        return failure("the address cannot be read: " + request.url);
    if (!targetAllowed(*host))
        return failure("refused: only 127.0.0.0/8 may be contacted while BIRCH_LOOPBACK_ONLY is set");

    std::unique_ptr<CURL, EasyDeleter> handle(functions->easy_init(), EasyDeleter{functions});
    if (!handle)
        return failure("libcurl could not create a request");
    CURL* curl = handle.get();

    std::unique_ptr<curl_slist, SlistDeleter> headers(nullptr, SlistDeleter{functions});
    if (!request.accept.empty()) {
        const std::string line = "Accept: " + request.accept;
        headers.reset(functions->slist_append(nullptr, line.c_str()));
        if (!headers)
            return failure("out of memory");
    }

    BodySink sink{{}, limits_.maxBodySize};
    char errorText[CURL_ERROR_SIZE] = {};

    // Every option matters for safety: a request whose options cannot all be set is not sent.
    bool set = option(*functions, curl, CURLOPT_URL, request.url.c_str());
    set = set && option(*functions, curl, CURLOPT_NOSIGNAL, 1L);
    set = set && option(*functions, curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    set = set && option(*functions, curl, CURLOPT_HTTPGET, 1L);
    set = set && option(*functions, curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits_.connectTimeout.count()));
    set = set && option(*functions, curl, CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.totalTimeout.count()));
    set = set && option(*functions, curl, CURLOPT_FOLLOWLOCATION, 0L);
    // An empty proxy switches proxies off, also those named by the environment.
    set = set && option(*functions, curl, CURLOPT_PROXY, "");
    set = set && option(*functions, curl, CURLOPT_PROTOCOLS_STR, "http,https");
    set = set && option(*functions, curl, CURLOPT_NETRC, static_cast<long>(CURL_NETRC_IGNORED));
    set = set && option(*functions, curl, CURLOPT_HTTPHEADER, headers.get());
    if (!request.userAgent.empty())
        set = set && option(*functions, curl, CURLOPT_USERAGENT, request.userAgent.c_str());
    set = set && option(*functions, curl, CURLOPT_WRITEFUNCTION, &collectBody);
    set = set && option(*functions, curl, CURLOPT_WRITEDATA, static_cast<void*>(&sink));
    set = set && option(*functions, curl, CURLOPT_ERRORBUFFER, static_cast<char*>(errorText));
    if (!set)
        return failure("libcurl does not accept the request's options");

    const CURLcode result = functions->easy_perform(curl);
    if (sink.tooLarge)
        return failure("the reply is larger than " + std::to_string(limits_.maxBodySize) + " bytes");
    if (result != CURLE_OK)
        return failure(errorText[0] != '\0' ? std::string(errorText) : std::string(functions->easy_strerror(result)));

    long status = 0;
    functions->easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    if (status != 200)
        return failure("HTTP status " + std::to_string(status));

    HttpReply reply;
    reply.ok = true;
    reply.body = std::move(sink.body);
    return reply;
}

} // namespace birch
