#include "profiles/EsiProcessData.h"

#include "common/DecimalNumber.h"
#include "common/TextUtil.h"
#include "common/Xml.h"
#include "profiles/EtherCatXmlNames.h"

#include <algorithm>
#include <array>

namespace birch {

namespace {

struct FixedEntry {
    std::string_view type;
    std::string_view dataType;
    int bits;
};

constexpr std::array<FixedEntry, 8> kFixedEntries = {{
    {"BOOL", "BIT", 1},
    {"INT8", "SINT", 8},
    {"INT16", "INT", 16},
    {"INT32", "DINT", 32},
    {"UINT8", "USINT", 8},
    {"UINT16", "UINT", 16},
    {"UINT32", "UDINT", 32},
    {"FLOAT32", "REAL", 32},
}};

constexpr std::string_view kBit = "BIT";

// Reads one list into `entries`, counting its bytes.
std::int64_t readList(pugi::xml_node list, std::vector<TEtherCAT_Rule>& entries)
{
    EsiByteCount count;
    for (const pugi::xml_node& row : childrenByPosition(list)) {
        if (std::string_view(row.attribute("Enable").value()) != "Y")
            continue;
        // Missing, not a number or negative: a size cannot be below nothing.
        const std::int64_t length = std::max(decimalOr(row.attribute("Length").value(), 0), std::int32_t{0});
        entries.push_back(Esi_Entry(row.attribute("Type").value(), length, row.attribute("Name").value()));
        count.add(entries.back(), length);
    }
    return count.bytes();
}

} // namespace

TEtherCAT_Rule Esi_Entry(std::string_view type, std::int64_t length, std::string name)
{
    const std::string key = upperAscii(trimControl(type));
    if (key == "STRING")
        return {"STRING(n)", 8 * length, std::move(name)};
    const auto fixed =
        std::find_if(kFixedEntries.begin(), kFixedEntries.end(), [&](const FixedEntry& e) { return e.type == key; });
    if (fixed == kFixedEntries.end())
        return {std::string(kBit), 1, std::move(name)};
    return {std::string(fixed->dataType), fixed->bits, std::move(name)};
}

void EsiByteCount::add(const TEtherCAT_Rule& entry, std::int64_t lengthAttribute)
{
    if (entry.DataType != kBit) {
        bits_ = 0;
        bytes_ += lengthAttribute;
        return;
    }
    if (bits_ == 0 || bits_ == 8) {
        ++bytes_;
        bits_ = 0;
    }
    ++bits_;
}

EsiProcessDataRead Read_Esi_Process_Data(const std::filesystem::path& etherCatSlaveFile)
{
    EsiProcessDataRead result;
    const XmlFileResult xml = loadXmlFile(etherCatSlaveFile);
    switch (xml.status) {
    case XmlFileResult::Status::Missing:
        return result;
    case XmlFileResult::Status::Unreadable:
        result.status = EsiProcessDataRead::Status::Unreadable;
        result.reason = xml.reason;
        return result;
    case XmlFileResult::Status::Malformed:
        result.status = EsiProcessDataRead::Status::Malformed;
        result.reason = xml.reason;
        result.at = xml.at;
        return result;
    case XmlFileResult::Status::Ok:
        break;
    }
    const pugi::xml_node variables = childElement(firstNode(*xml.document), etherCatXml::kVariables);
    const pugi::xml_node slaveToMaster = childElement(variables, etherCatXml::kSlaveToMaster);
    const pugi::xml_node masterToSlave = childElement(variables, etherCatXml::kMasterToSlave);
    for (const auto& [node, name] :
         {std::pair{variables, etherCatXml::kVariables}, std::pair{slaveToMaster, etherCatXml::kSlaveToMaster},
          std::pair{masterToSlave, etherCatXml::kMasterToSlave}}) {
        if (!node) {
            result.status = EsiProcessDataRead::Status::ElementMissing;
            result.missingElement = name;
            return result;
        }
    }
    result.data.InputBytes = readList(slaveToMaster, result.data.SlaveToMaster);
    result.data.OutputBytes = readList(masterToSlave, result.data.MasterToSlave);
    return result;
}

} // namespace birch
