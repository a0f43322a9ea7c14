#pragma once

#include "platform/HttpClient.h"

#include <string>
#include <string_view>

namespace birch {

// Accept header of the version query.
inline constexpr std::string_view kVersionQueryAccept =
    "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";

// A version text reduced to four decimal digits: the 1st, 3rd, 4th and 5th characters of the
// part after the first blank ("VER. 1.101" and "1.101" give 1101); -1 when they are no number.
int Conv_Version(std::string_view Ver_str);

// Whether the service's reply `R` names a version newer than `localVersion`. An empty reply
// (every failure) and "VER. 0.000" in any letter case never do.
bool Is_Newer_Version(std::string_view R, std::string_view localVersion);

// The version query against one service address: `Check_Version` sends it and answers whether
// a newer version than `SoftwareVersion` exists; every failure answers false. Safe to call
// from a worker thread as long as the HTTP client is.
class VersionChecker {
public:
    VersionChecker(const HttpClient& http, std::string queryUrl);

    bool Check_Version() const;
    const std::string& queryUrl() const { return queryUrl_; }

private:
    const HttpClient& http_;
    std::string queryUrl_;
};

} // namespace birch
