#include "profiles/GsdmlDocument.h"

#include "common/XmlText.h"
#include "profiles/GsdmlModules.h"
#include "profiles/GsdmlXml.h"

#include <sstream>

namespace birch {

namespace {

constexpr const char* kNamespace = "http://www.profibus.com/GSDML/2003/11/DeviceProfile";
constexpr const char* kSchemaLocation =
    "http://www.profibus.com/GSDML/2003/11/DeviceProfile ..\\xsd\\GSDML-DeviceProfile-V2.25.xsd";
constexpr const char* kDeviceDescription = "NMEA 0183 to PROFINET converter";

// The header every PROFINET device profile carries unchanged.
void appendProfileHeader(pugi::xml_node root)
{
    pugi::xml_node header = appendElement(root, "ProfileHeader");
    appendElement(header, "ProfileIdentification").text().set("PROFINET Device Profile");
    appendElement(header, "ProfileRevision").text().set("1.00");
    appendElement(header, "ProfileName").text().set("Device Profile for PROFINET Devices");
    appendElement(header, "ProfileSource").text().set("PROFIBUS Nutzerorganisation e. V. (PNO)");
    appendElement(header, "ProfileClassID").text().set("Device");
    pugi::xml_node reference = appendElement(header, "ISO15745Reference");
    appendElement(reference, "ISO15745Part").text().set("4");
    appendElement(reference, "ISO15745Edition").text().set("1");
    appendElement(reference, "ProfileTechnology").text().set("GSDML");
}

// The Ethernet interface and its one port, with cyclic data every millisecond or slower.
void appendInterface(pugi::xml_node accessPoint, GsdmlTexts& texts)
{
    pugi::xml_node list = appendElement(accessPoint, "SystemDefinedSubmoduleList");
    pugi::xml_node interface = appendElement(list, "InterfaceSubmoduleItem",
                                             {{"ID", "IDS_I"},
                                              {"SubslotNumber", "32768"},
                                              {"SubmoduleIdentNumber", "0x00000002"},
                                              {"TextId", texts.add("T_INTERFACE", "X1")},
                                              {"SupportedRT_Classes", "RT_CLASS_1"}});
    appendElement(appendElement(interface, "ApplicationRelations"), "TimingProperties",
                  {{"SendClock", "32"}, {"ReductionRatio", "1 2 4 8 16 32 64 128 256 512"}});
    appendElement(list, "PortSubmoduleItem",
                  {{"ID", "IDS_P1"},
                   {"SubslotNumber", "32769"},
                   {"SubmoduleIdentNumber", "0x00000003"},
                   {"TextId", texts.add("T_PORT_1", "Port 1")},
                   {"MAUType", "100BASETXFD"}});
}

std::string physicalSlots(int modules)
{
    return modules == 0 ? "0" : "0.." + std::to_string(modules);
}

} // namespace

GsdmlDocument Build_GSDML(const ObjectsMap& map, const GsdmlDevice& device)
{
    GsdmlDocument result;
    result.modules = static_cast<int>(map.rules.size());
    result.mapBytes = map.byteCount;
    result.inputBytes = device.inputBytes;

    const std::string vendorName = xmlLineText(device.vendorName);
    GsdmlTexts texts;
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");
    pugi::xml_node root = appendElement(document, "ISO15745Profile",
                                        {{"xmlns", kNamespace},
                                         {"xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance"},
                                         {"xsi:schemaLocation", kSchemaLocation}});
    appendProfileHeader(root);

    pugi::xml_node body = appendElement(root, "ProfileBody");
    pugi::xml_node identity =
        appendElement(body, "DeviceIdentity",
                      {{"VendorID", xmlLineText(device.vendorId)}, {"DeviceID", xmlLineText(device.deviceId)}});
    appendElement(identity, "InfoText", {{"TextId", texts.add("T_DEVICE_INFO", kDeviceDescription)}});
    appendElement(identity, "VendorName", {{"Value", vendorName}});
    appendElement(appendElement(body, "DeviceFunction"), "Family",
                  {{"MainFamily", "Gateway"}, {"ProductFamily", "NMEA 0183"}});

    pugi::xml_node process = appendElement(body, "ApplicationProcess");
    const std::string bytes = std::to_string(device.inputBytes);
    pugi::xml_node accessPoint = appendElement(appendElement(process, "DeviceAccessPointList"), "DeviceAccessPointItem",
                                               {{"ID", "IDD_1"},
                                                {"PNIO_Version", "V2.25"},
                                                {"PhysicalSlots", physicalSlots(result.modules)},
                                                {"ModuleIdentNumber", "0x00000001"},
                                                {"MinDeviceInterval", "32"},
                                                {"DNS_CompatibleName", xmlLineText(device.stationName)},
                                                {"FixedInSlots", "0"},
                                                {"ObjectUUID_LocalIndex", "1"}});
    const std::string dapName = texts.add("T_DAP_NAME", kDeviceDescription);
    const std::string dapInfo =
        texts.add("T_DAP_INFO", "Input data: the NMEA 0183 fields of the sentence rules, " + bytes + " bytes at most");
    appendElement(appendModuleInfo(accessPoint, dapName, dapInfo), "VendorName", {{"Value", vendorName}});
    // No output module exists; the output side carries only the status bytes of the inputs.
    appendElement(accessPoint, "IOConfigData", {{"MaxInputLength", bytes}, {"MaxOutputLength", bytes}});
    pugi::xml_node useable = appendElement(accessPoint, "UseableModules");
    pugi::xml_node dapSubmodule =
        appendElement(appendElement(accessPoint, "VirtualSubmoduleList"), "VirtualSubmoduleItem",
                      {{"ID", "IDS_1"}, {"SubmoduleIdentNumber", "0x00000001"}});
    appendElement(dapSubmodule, "IOData");
    appendModuleInfo(dapSubmodule, dapName, dapInfo);
    appendInterface(accessPoint, texts);

    pugi::xml_node moduleList = appendElement(process, "ModuleList");
    result.modulesBeyond = appendInputModules(map, device.inputBytes, useable, moduleList, texts);
    // A device without rules has no module to offer.
    if (result.modules == 0) {
        accessPoint.remove_child(useable);
        process.remove_child(moduleList);
    }
    texts.appendTo(process);

    std::ostringstream out;
    document.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
    result.xml = out.str();
    return result;
}

} // namespace birch
