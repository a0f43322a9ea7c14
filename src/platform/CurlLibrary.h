#pragma once

#include <curl/curl.h>

#include <string>

namespace birch {

// libcurl's functions, loaded when the first request needs them rather than when the program
// starts: libcurl and the twenty-odd libraries it pulls in would cost every start tens of
// milliseconds, and most runs make no request at all.
struct CurlFunctions {
    decltype(&curl_easy_init) easy_init;
    decltype(&curl_easy_cleanup) easy_cleanup;
    decltype(&curl_easy_setopt) easy_setopt;
    decltype(&curl_easy_perform) easy_perform;
    decltype(&curl_easy_getinfo) easy_getinfo;
    decltype(&curl_easy_strerror) easy_strerror;
    decltype(&curl_slist_append) slist_append;
    decltype(&curl_slist_free_all) slist_free_all;
    decltype(&curl_url) url;
    decltype(&curl_url_set) url_set;
    decltype(&curl_url_get) url_get;
    decltype(&curl_url_cleanup) url_cleanup;
    decltype(&curl_free) free;
};

// The loaded functions, with libcurl's process-wide set-up done once (safe from any thread: the
// libcurl of the supported systems sets itself up thread-safely) and undone at exit. Null when
// libcurl cannot be loaded or set up; `reason` then says why.
const CurlFunctions* curlFunctions(std::string& reason);

} // namespace birch
