#include "app/Settings.h"

#include "common/Xml.h"

namespace birch {

namespace {

// Element names as stored; letter case matters.
constexpr const char* kRoot = "Conf_Settings";
constexpr const char* kLastProj = "lastproj";
constexpr const char* kProjectName = "projectname";
constexpr const char* kLastIpAdd = "lastipadd";
constexpr const char* kIpAddress = "ipaddress";
constexpr const char* kLastLang = "lastlang";
constexpr const char* kLanguage = "language";
constexpr const char* kLastInternet = "lastinternet";
constexpr const char* kEnableInternet = "enable_internet";
constexpr const char* kEnableUpdate = "enable_update";
constexpr const char* kJumpField = "enable_jump_field_tables";
constexpr const char* kAutoSize = "Double_Click_Auto_Size";

void readText(pugi::xml_node root, const char* parent, const char* name, std::string& value)
{
    if (auto text = childText(childElement(root, parent), name))
        value = std::move(*text);
}

bool readFlag(pugi::xml_node parent, const char* name)
{
    const auto text = childText(parent, name);
    return text && *text == "1";
}

void addText(pugi::xml_node parent, const char* name, const std::string& value)
{
    pugi::xml_node element = parent.append_child(name);
    if (!value.empty())
        element.append_child(pugi::node_pcdata).set_value(value.c_str());
}

void addFlag(pugi::xml_node parent, const char* name, bool value)
{
    addText(parent, name, value ? "1" : "0");
}

} // namespace

SettingsReadResult readSettingsFile(const std::filesystem::path& file)
{
    SettingsReadResult result;
    // A value of blanks only is kept as it is, like any other text.
    const XmlFileResult loaded = loadXmlFile(file, pugi::parse_ws_pcdata_single);
    if (loaded.status == XmlFileResult::Status::Missing)
        return result;
    if (!loaded.ok()) {
        result.status = SettingsReadResult::Status::Damaged;
        result.reason = loaded.reason;
        result.at = loaded.at;
        return result;
    }
    result.status = SettingsReadResult::Status::Ok;
    const pugi::xml_node root = firstNode(*loaded.document);
    Settings& values = result.values;
    readText(root, kLastProj, kProjectName, values.ProjectName);
    readText(root, kLastIpAdd, kIpAddress, values.LastIpAddress);
    readText(root, kLastLang, kLanguage, values.LanguageName);
    const pugi::xml_node internet = childElement(root, kLastInternet);
    values.EnableInternet = readFlag(internet, kEnableInternet);
    values.EnableUpdateCheck = readFlag(internet, kEnableUpdate);
    values.JumpFieldOnEnter = readFlag(internet, kJumpField);
    values.DoubleClickAutoSize = readFlag(internet, kAutoSize);
    return result;
}

std::string serializeSettings(const Settings& settings)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child(kRoot);
    addText(root.append_child(kLastProj), kProjectName, settings.ProjectName);
    addText(root.append_child(kLastIpAdd), kIpAddress, settings.LastIpAddress);
    addText(root.append_child(kLastLang), kLanguage, settings.LanguageName);
    pugi::xml_node internet = root.append_child(kLastInternet);
    addFlag(internet, kEnableInternet, settings.EnableInternet);
    addFlag(internet, kEnableUpdate, settings.EnableUpdateCheck);
    addFlag(internet, kJumpField, settings.JumpFieldOnEnter);
    addFlag(internet, kAutoSize, settings.DoubleClickAutoSize);
    return serializeXml(document);
}

} // namespace birch
