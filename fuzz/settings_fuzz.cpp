#include "FuzzInput.h"

#include "app/Settings.h"

// Mosaic.xml: whatever it holds, it is read, and a damaged one says why.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace birch;
    const SettingsReadResult read = readSettingsFile(fuzz::inputFile(kSettingsFileName, data, size));
    if (read.status == SettingsReadResult::Status::Damaged && read.reason.empty())
        fuzz::fail("a damaged settings file without a reason");
    return 0;
}
