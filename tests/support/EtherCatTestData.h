#pragma once

#include <string>
#include <vector>

namespace birch::test {

// A `row` element of EtherCAT_Slave.xml with the given attribute text, e.g.
// R"(Enable="Y" Type="Bool" Length="1")".
inline std::string variableRow(const std::string& attributes)
{
    return "<row " + attributes + "/>";
}

inline std::string join(const std::vector<std::string>& rows)
{
    std::string all;
    for (const auto& row : rows)
        all += row;
    return all;
}

// The variables file with both lists, as the window writes it apart from the rows.
inline std::string variablesXml(const std::vector<std::string>& slaveToMaster,
                                const std::vector<std::string>& masterToSlave = {})
{
    return "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + join(slaveToMaster) +
           "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>" + join(masterToSlave) +
           "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave><!--SW_VERSION = 1.000-->";
}

} // namespace birch::test
