#include "FuzzInput.h"

#include "nmea/SerialChannels.h"
#include "params/ParGenFile.h"

// ParGen.xml, as the parameter window and the rule editor's channel list read it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace birch;
    const auto file = fuzz::inputFile("ParGen.xml", data, size);
    const ParGenLoad load = LoadParGen(file);
    if (load.damaged() && load.reason.empty())
        fuzz::fail("a damaged ParGen.xml without a reason");
    const int mask = Enable_Serial(file);
    if (mask < 0 || mask > 7)
        fuzz::fail("a channel mask outside the three channels");
    return 0;
}
