#include "profiles/EsiIdentity.h"

#include "common/DecimalNumber.h"
#include "common/Xml.h"

namespace birch {

namespace {

// Keys of ParGen.xml that the parameter window never writes; only this reader knows them.
constexpr const char* kNameKey = "EtherCAT_Slave_Name";
constexpr const char* kRevisionKey = "EtherCAT_Slave_Revision_Number";
constexpr const char* kAliasKey = "EtherCAT_Slave_Node_Address";

} // namespace

EsiIdentityRead Read_Esi_Identity(const std::filesystem::path& parGenFile)
{
    EsiIdentityRead result;
    // A name made only of blanks stays as it stands.
    const XmlFileResult xml = loadXmlFile(parGenFile, pugi::parse_ws_pcdata_single);
    switch (xml.status) {
    case XmlFileResult::Status::Missing:
        return result;
    case XmlFileResult::Status::Unreadable:
        result.status = EsiIdentityRead::Status::Unreadable;
        result.reason = xml.reason;
        return result;
    case XmlFileResult::Status::Malformed:
        result.status = EsiIdentityRead::Status::Malformed;
        result.reason = xml.reason;
        result.at = xml.at;
        return result;
    case XmlFileResult::Status::Ok:
        break;
    }
    const pugi::xml_node root = firstNode(*xml.document);
    EsiIdentity& identity = result.identity;
    if (auto name = childText(root, kNameKey))
        identity.Name = std::move(*name);
    if (const auto revision = childText(root, kRevisionKey))
        identity.Revision = decimalOr(*revision, 0);
    if (const auto alias = childText(root, kAliasKey))
        identity.StationAlias = static_cast<std::uint16_t>(decimalOr(*alias, 1));
    return result;
}

} // namespace birch
