#include "options/MakerAddresses.h"

#include <cstdlib>
#include <string>

namespace birch {

namespace {

std::string_view withoutTrailingSlashes(std::string_view address)
{
    while (!address.empty() && address.back() == '/')
        address.remove_suffix(1);
    return address;
}

// "http://host" becomes "http://host/" so that a query follows a path.
std::string withPath(std::string_view address)
{
    std::string result(address);
    const auto scheme = result.find("://");
    const auto start = scheme == std::string::npos ? 0 : scheme + 3;
    if (result.find_first_of("/?#", start) == std::string::npos)
        result += '/';
    return result;
}

} // namespace

MakerAddresses Maker_Addresses()
{
    MakerAddresses addresses{BIRCH_HOME_URL, BIRCH_DOWNLOAD_URL, BIRCH_VERSION_SERVICE_URL};
    const std::string variable(kVersionServiceVariable);
    const char* override = std::getenv(variable.c_str());
    if (override != nullptr && *override != '\0')
        addresses.versionService = override;
    return addresses;
}

std::string Version_Query_Url(std::string_view versionService, std::string_view softwareCode)
{
    std::string url(withoutTrailingSlashes(versionService));
    url += kVersionQueryPath;
    url += "?nomesw=";
    url += softwareCode;
    return url;
}

std::string Download_Page_Url(std::string_view downloadPage)
{
    std::string url(downloadPage.substr(0, downloadPage.find('#')));
    url += kDownloadAnchor;
    return url;
}

std::string Home_Page_Url(std::string_view homePage, std::string_view softwareCode)
{
    std::string url = withPath(homePage.substr(0, homePage.find('#')));
    url += url.find('?') == std::string::npos ? '?' : '&';
    url += "frompg=";
    url += softwareCode;
    return url;
}

std::string Web_Address_Caption(std::string_view homePage)
{
    std::string_view address = homePage.substr(0, homePage.find_first_of("?#"));
    const auto scheme = address.find("://");
    if (scheme != std::string_view::npos)
        address.remove_prefix(scheme + 3);
    return std::string(withoutTrailingSlashes(address));
}

} // namespace birch
