#include "options/VersionCheck.h"

#include "common/DecimalNumber.h"
#include "common/TextUtil.h"
#include "core/BuildConstants.h"

#include <utility>

namespace birch {

int Conv_Version(std::string_view Ver_str)
{
    const auto blank = Ver_str.find(' ');
    const std::string_view T = trimControl(blank == std::string_view::npos ? Ver_str : Ver_str.substr(blank + 1));
    if (T.size() < 5)
        return -1;
    const std::string digits{T[0], T[2], T[3], T[4]};
    return parseDecimal(digits).value_or(-1);
}

bool Is_Newer_Version(std::string_view R, std::string_view localVersion)
{
    // Only this comparison is made on the upper-cased text; the version is read as received.
    const std::string upper(trimControl(upperAscii(R)));
    if (upper.empty() || upper == "VER. 0.000")
        return false;
    const int local = Conv_Version(localVersion);
    const int remote = Conv_Version(trimControl(R));
    return local != -1 && remote != -1 && remote > local;
}

VersionChecker::VersionChecker(const HttpClient& http, std::string queryUrl)
    : http_(http), queryUrl_(std::move(queryUrl))
{
}

bool VersionChecker::Check_Version() const
{
    HttpRequest request;
    request.url = queryUrl_;
    request.accept = std::string(kVersionQueryAccept);
    request.userAgent = std::string(SoftwareCode) + "/" + std::string(SoftwareVersion);
    const HttpReply reply = http_.get(request);
    return Is_Newer_Version(reply.ok ? reply.body : std::string(), SoftwareVersion);
}

} // namespace birch
