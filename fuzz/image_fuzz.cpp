#include "FuzzInput.h"

#include "image/Compile_Bank.h"
#include "nmea/Catalog.h"

#include <optional>
#include <string_view>

namespace {

// The input holds ParGen.xml, the separator line and the rule file; an empty part stands
// for a missing file.
constexpr std::string_view kSeparator = "\n--rules--\n";

std::optional<std::string_view> present(std::string_view part)
{
    if (part.empty())
        return std::nullopt;
    return part;
}

} // namespace

// The image compiler on a pair of project files.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace birch;
    static const Catalog catalog = Catalog::Init_NMEA0183_Map();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find(kSeparator);
    const std::string_view parGen = input.substr(0, split);
    const std::string_view rules =
        split == std::string_view::npos ? std::string_view() : input.substr(split + kSeparator.size());
    const CompileBankResult result = Compile_Bank(present(parGen), present(rules), catalog);
    if (result.ok() == result.error.has_value())
        fuzz::fail("an image and an error at once, or neither");
    if (result.ok()) {
        const CompiledBank& bank = *result.bank;
        if (bank.Accepted < 0 || static_cast<std::size_t>(bank.Accepted) > kBankRuleCount || bank.LeftOut < 0)
            fuzz::fail("rule counts outside the table");
        if (bank.LeftOut > 0 && static_cast<std::size_t>(bank.Accepted) != kBankRuleCount)
            fuzz::fail("rules left out of a table that is not full");
    }
    return 0;
}
