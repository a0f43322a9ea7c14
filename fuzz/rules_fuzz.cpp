#include "FuzzInput.h"

#include "nmea/Catalog.h"
#include "nmea/RuleFile.h"
#include "nmea/SerialChannels.h"

// The rule file NMEA_0183_Set_Access.xml, read into the editor's table.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace birch;
    static const Catalog catalog = Catalog::Init_NMEA0183_Map();
    static const std::vector<std::string> channels = SerialChannel_SL(7);
    loadRuleFile(fuzz::inputFile("NMEA_0183_Set_Access.xml", data, size), catalog, channels);
    return 0;
}
