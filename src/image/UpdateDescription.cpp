#include "image/UpdateDescription.h"

#include "common/DecimalNumber.h"
#include "common/Xml.h"
#include "core/BuildConstants.h"

#include <vector>

namespace birch {

namespace {

struct Child {
    const char* name;
    std::string text;
};

struct OperationFile {
    std::filesystem::path file;
    std::string startAddress;
};

struct Layout {
    std::string title;
    std::string addressProtection;
    std::string protection;
    std::string bankType[2]; // firmware, configuration
    std::string writeCss[2];
    std::string addressCss[2];
    std::string commandCss[2];
    bool internalData = false;
    OperationFile firmware;
    std::vector<OperationFile> configuration;
};

void add(pugi::xml_node parent, const char* name, const std::string& text)
{
    pugi::xml_node element = parent.append_child(name);
    if (!text.empty())
        element.text().set(text.c_str());
}

std::string fullPath(const std::filesystem::path& path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return (ec ? path : absolute).lexically_normal().string();
}

void addOperation(pugi::xml_node operations, const Layout& layout, int kind, const OperationFile& file, bool readBack,
                  bool last)
{
    pugi::xml_node operation = operations.append_child("Operation");
    add(operation, "Ope_Protection_Enabled", "");
    add(operation, "Ope_GoToBoot_Before", "0");
    add(operation, "Ope_GoToApp_Before", "0");
    add(operation, "Ope_IP_Address", "");
    add(operation, "Ope_Port", "2008");
    add(operation, "Ope_Port_Sec", "2007");
    add(operation, "Ope_Erase_Memory", "0");
    add(operation, "Ope_FileName", fullPath(file.file));
    add(operation, "Ope_Start_Address", file.startAddress);
    add(operation, "Ope_Memory_Type", "0");
    add(operation, "Ope_Bank_Type", layout.bankType[kind]);
    add(operation, "Ope_Read_Back", readBack ? "1" : "0");
    add(operation, "Ope_Write_CSS", layout.writeCss[kind]);
    add(operation, "Ope_Address_CSS", layout.addressCss[kind]);
    add(operation, "Ope_Command_CSS", layout.commandCss[kind]);
    if (layout.internalData) {
        add(operation, "Ope_Write_Internal_Data", "0");
        add(operation, "Ope_WID_Address", "0x07810");
        add(operation, "Ope_WID_Command", "0x02");
        add(operation, "Ope_WID_Data", "0x00, 0x00, 0x00, 0x01");
    }
    // Only the last step sends the device back to its application.
    add(operation, "Ope_GoToApp_After", last ? "1" : "0");
}

std::string build(const Layout& layout, const UpdateRequest& request)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Ethernet_Update");
    add(root, "Version", "1000");
    add(root, "Title", layout.title);
    add(root, "IP_Address_Dev", request.address);
    add(root, "Application_Port", "10000");
    add(root, "Boot_Port", "2008");
    add(root, "Boot_Port_Sec", "2007");
    add(root, "Address_Protection", layout.addressProtection);
    add(root.append_child("Protections"), "Protection", layout.protection);
    pugi::xml_node operations = root.append_child("Operations");

    const bool firmware = request.option == kUpdateFirmwareAndConfiguration || request.option == kUpdateFirmware;
    const bool configuration =
        request.option == kUpdateFirmwareAndConfiguration || request.option == kUpdateConfiguration;
    if (firmware)
        addOperation(operations, layout, 0, layout.firmware, request.readBack, !configuration);
    if (configuration)
        for (std::size_t i = 0; i < layout.configuration.size(); ++i)
            addOperation(operations, layout, 1, layout.configuration[i], request.readBack,
                         i + 1 == layout.configuration.size());
    return serializeXml(document);
}

} // namespace

std::string Compile_XML_Parameter(const UpdateRequest& request)
{
    Layout layout;
    layout.title = "Velmora - " + std::string(SoftwareCode) + " Ethernet Update";
    layout.addressProtection = "0x78000";
    layout.protection = "0x4C9";
    layout.bankType[0] = "1";
    layout.bankType[1] = "2";
    layout.writeCss[0] = "1";
    layout.writeCss[1] = "0";
    layout.addressCss[0] = "0x78100";
    layout.addressCss[1] = "0x50100";
    layout.commandCss[0] = layout.commandCss[1] = "0x0B";
    layout.firmware = {request.masterDir / "Birchfw.sim", "0x8000"};
    layout.configuration = {{request.projectDir / "bin" / "bank.bin", "0x68000"}};
    return build(layout, request);
}

std::string Compile_XML_Parameter_New_Boot(const UpdateRequest& request)
{
    Layout layout;
    layout.title = "Velmora - Ethernet Update";
    layout.addressProtection = "0x07800";
    layout.protection = "0x5B8";
    layout.bankType[0] = "1";
    layout.bankType[1] = "2";
    layout.writeCss[0] = "1";
    layout.writeCss[1] = "0";
    layout.addressCss[0] = layout.addressCss[1] = "0x07A00";
    layout.commandCss[0] = layout.commandCss[1] = "0x02";
    layout.internalData = true;
    const std::filesystem::path bin = request.projectDir / "bin";
    layout.firmware = {request.masterDir / "Damsonfw.sim", "0x8000"};
    layout.configuration = {
        {bin / "bank1.bin", "0x07000"}, {bin / "bank2.bin", "0x80000"}, {bin / "bank3.bin", "0xA0000"}};
    return build(layout, request);
}

std::optional<WriteError> saveUpdateDescription(const std::filesystem::path& file, DeviceProfile profile,
                                                const UpdateRequest& request, FileWriter& writer)
{
    const std::string xml =
        profile == DeviceProfile::Damson ? Compile_XML_Parameter_New_Boot(request) : Compile_XML_Parameter(request);
    return writer.write(file, xml);
}

std::filesystem::path updateDescriptionFile(const std::filesystem::path& appDir)
{
    return appDir / "Ethernet_Update.xml";
}

std::filesystem::path updaterProgram(const std::filesystem::path& appDir)
{
    return appDir / "Ethernet_Update.exe";
}

int Get_Type_Dev(const std::filesystem::path& parGenFile)
{
    const XmlFileResult file = loadXmlFile(parGenFile);
    if (!file.ok())
        return 0;
    const auto text = childText(firstNode(*file.document), "BACnet_Type");
    return text ? decimalOr(*text, 0) : 0;
}

} // namespace birch
