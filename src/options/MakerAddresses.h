#pragma once

#include <string>
#include <string_view>

namespace birch {

// The maker's addresses. The build settings BIRCH_HOME_URL, BIRCH_DOWNLOAD_URL and
// BIRCH_VERSION_SERVICE_URL give them; the environment variable of the same name as the last
// one points the version query elsewhere (tests use a server on 127.0.0.1).
struct MakerAddresses {
    std::string homePage;
    std::string downloadPage;
    std::string versionService; // scheme and host, without the query's path
};

inline constexpr std::string_view kVersionServiceVariable = "BIRCH_VERSION_SERVICE_URL";
inline constexpr std::string_view kVersionQueryPath = "/home/download/GetversionSW.asp";
inline constexpr std::string_view kDownloadAnchor = "#Birchdev";

// The build settings, with the version service taken from the environment when the variable is
// set and not empty.
MakerAddresses Maker_Addresses();

// The version query: the service, the fixed path and "nomesw=" with the software code.
std::string Version_Query_Url(std::string_view versionService, std::string_view softwareCode);

// The download page of the device (the target of the "new version" links).
std::string Download_Page_Url(std::string_view downloadPage);

// The home page with the query that names the software ("frompg").
std::string Home_Page_Url(std::string_view homePage, std::string_view softwareCode);

// The address as the About box shows it: without scheme and trailing slashes.
std::string Web_Address_Caption(std::string_view homePage);

} // namespace birch
