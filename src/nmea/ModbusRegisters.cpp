#include "nmea/ModbusRegisters.h"

#include "common/Xml.h"

namespace birch {

RegisterTableLoad loadRegisterTable(const std::filesystem::path& parGenFile)
{
    RegisterTableLoad load;
    const XmlFileResult file = loadXmlFile(parGenFile);
    switch (file.status) {
    case XmlFileResult::Status::Missing:
        load.fileMissing = true;
        return load;
    case XmlFileResult::Status::Unreadable:
        load.status = RegisterTableLoad::Status::Unreadable;
        load.reason = file.reason;
        return load;
    case XmlFileResult::Status::Malformed:
        load.status = RegisterTableLoad::Status::Malformed;
        load.reason = file.reason;
        load.at = file.at;
        return load;
    case XmlFileResult::Status::Ok:
        break;
    }
    load.keyText = childText(firstNode(*file.document), "MODBUS_SLAVE_READ_INPUT_REGISTER");
    load.table = load.keyText == "1" ? RegisterTable::Input : RegisterTable::Holding;
    return load;
}

std::string registerTableNote(const RegisterTableLoad& load)
{
    std::string why;
    if (load.fileMissing)
        why = "the project has no ParGen.xml";
    else if (!load.keyText)
        why = "ParGen.xml has no MODBUS_SLAVE_READ_INPUT_REGISTER";
    else
        why = "MODBUS_SLAVE_READ_INPUT_REGISTER is \"" + *load.keyText + "\" in ParGen.xml";
    if (load.table == RegisterTable::Input)
        return "Input registers (function 04, numbers 30001 + address): " + why + ".";
    return "Holding registers (function 03, numbers 40001 + address): " + why +
           "; the device image sets the input-register option only when the key is \"1\".";
}

} // namespace birch
