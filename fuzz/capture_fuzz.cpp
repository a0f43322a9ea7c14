#include "FuzzInput.h"

#include "nmea/CaptureStats.h"
#include "nmea/Catalog.h"

#include <string_view>

// A capture of a serial port, fed in pieces whose size the first byte chooses, as the reader
// feeds what arrives.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace birch;
    static const Catalog catalog = Catalog::Init_NMEA0183_Map();
    if (size == 0)
        return 0;
    const std::size_t piece = data[0] + 1u;
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    CaptureStats stats(catalog);
    while (!text.empty()) {
        const std::size_t n = std::min(piece, text.size());
        stats.addText(text.substr(0, n));
        text.remove_prefix(n);
    }
    stats.finish();
    return 0;
}
