#include "FuzzInput.h"

#include "common/TextUtil.h"
#include "options/VersionCheck.h"

#include <string_view>

// The version service's reply body, against this program's version and against itself as the
// program would hold it (the reply is trimmed before it is read; the program's own version has no
// blanks around it).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace birch;
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    Is_Newer_Version(reply, "VER. 1.101");
    if (Is_Newer_Version(reply, trimControl(reply)))
        birch::fuzz::fail("a version newer than itself");
    return 0;
}
