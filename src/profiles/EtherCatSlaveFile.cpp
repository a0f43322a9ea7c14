#include "profiles/EtherCatSlaveFile.h"

#include "common/Backup.h"
#include "common/Xml.h"
#include "profiles/EtherCatXmlNames.h"

namespace birch {

namespace {

std::string value(pugi::xml_node row, const char* name)
{
    return row.attribute(name).value();
}

EtherCatVariable readVariable(pugi::xml_node row, bool withInitValue)
{
    EtherCatVariable variable;
    const pugi::xml_attribute enable = row.attribute("Enable");
    variable.Enable = !enable || std::string_view(enable.value()) != "N";
    variable.Type = value(row, "Type");
    variable.Length = value(row, "Length");
    variable.Name = value(row, "Name");
    if (withInitValue)
        variable.InitValue = value(row, "InitValue");
    variable.Position = value(row, "Position");
    variable.BitStart = value(row, "BitStart");
    variable.Mnemonic = value(row, "Mnemonic");
    return variable;
}

// Reads the rows of one list into `into`; rows beyond the table are counted, not kept.
std::size_t readList(pugi::xml_node list, bool withInitValue, std::vector<EtherCatVariable>& into)
{
    const auto children = childrenByPosition(list);
    for (const pugi::xml_node& child : children) {
        if (into.size() == kVariableRows)
            return children.size() - kVariableRows;
        into.push_back(readVariable(child, withInitValue));
    }
    return 0;
}

} // namespace

EtherCatSlaveLoad loadEtherCatSlaveFile(const std::filesystem::path& file)
{
    EtherCatSlaveLoad result;
    const XmlFileResult xml = loadXmlFile(file);
    switch (xml.status) {
    case XmlFileResult::Status::Missing:
        return result;
    case XmlFileResult::Status::Unreadable:
        result.status = EtherCatSlaveLoad::Status::Unreadable;
        result.reason = xml.reason;
        return result;
    case XmlFileResult::Status::Malformed:
        result.status = EtherCatSlaveLoad::Status::Malformed;
        result.reason = xml.reason;
        result.at = xml.at;
        return result;
    case XmlFileResult::Status::Ok:
        break;
    }
    const auto missing = [&result](const char* element) {
        result.status = EtherCatSlaveLoad::Status::ElementMissing;
        result.missingElement = element;
        return result;
    };
    const pugi::xml_node variables = childElement(firstNode(*xml.document), etherCatXml::kVariables);
    if (!variables)
        return missing(etherCatXml::kVariables);
    const pugi::xml_node slaveToMaster = childElement(variables, etherCatXml::kSlaveToMaster);
    if (!slaveToMaster)
        return missing(etherCatXml::kSlaveToMaster);
    result.notLoaded += readList(slaveToMaster, true, result.SlaveToMaster);
    const pugi::xml_node masterToSlave = childElement(variables, etherCatXml::kMasterToSlave);
    if (!masterToSlave)
        return missing(etherCatXml::kMasterToSlave);
    result.notLoaded += readList(masterToSlave, false, result.MasterToSlave);
    result.masterToSlaveRows = childrenByPosition(masterToSlave).size();
    result.status = EtherCatSlaveLoad::Status::Ok;
    return result;
}

std::string etherCatSlaveDocument(const std::vector<EtherCatVariable>& slaveToMaster)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child(etherCatXml::kRoot);
    document.append_child(pugi::node_comment).set_value(etherCatXml::kVersionComment);
    pugi::xml_node variables = root.append_child(etherCatXml::kVariables);
    pugi::xml_node list = variables.append_child(etherCatXml::kSlaveToMaster);
    for (const EtherCatVariable& variable : slaveToMaster) {
        pugi::xml_node row = list.append_child("row");
        row.append_attribute("Enable") = variable.Enable ? "Y" : "N";
        row.append_attribute("Type") = variable.Type.c_str();
        row.append_attribute("Length") = variable.Length.c_str();
        row.append_attribute("Name") = variable.Name.c_str();
        row.append_attribute("InitValue") = variable.InitValue.c_str();
        row.append_attribute("Position") = variable.Position.c_str();
        row.append_attribute("BitStart") = variable.BitStart.c_str();
        row.append_attribute("Mnemonic") = variable.Mnemonic.c_str();
    }
    variables.append_child(etherCatXml::kMasterToSlave);
    return serializeXml(document);
}

EtherCatSlaveSave saveEtherCatSlaveFile(const std::filesystem::path& file,
                                        const std::vector<EtherCatVariable>& slaveToMaster, FileWriter& writer,
                                        bool keepDamaged)
{
    EtherCatSlaveSave result;
    if (keepDamaged) {
        const BackupResult backup = keepBackup(file);
        if (!backup.ok()) {
            result.status = EtherCatSlaveSave::Status::BackupFailed;
            result.reason = backup.error;
            return result;
        }
    }
    if (const auto error = writer.write(file, etherCatSlaveDocument(slaveToMaster))) {
        result.status = EtherCatSlaveSave::Status::WriteFailed;
        result.reason = error->reason;
    }
    return result;
}

} // namespace birch
