#include "FuzzInput.h"

#include "profiles/EtherCatSlaveFile.h"

// The EtherCAT variables file EtherCAT_Slave.xml.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace birch;
    const EtherCatSlaveLoad load = loadEtherCatSlaveFile(fuzz::inputFile("EtherCAT_Slave.xml", data, size));
    if ((load.status == EtherCatSlaveLoad::Status::Unreadable || load.status == EtherCatSlaveLoad::Status::Malformed) &&
        !(load.SlaveToMaster.empty() && load.MasterToSlave.empty()))
        fuzz::fail("variables taken from a file that could not be read");
    return 0;
}
