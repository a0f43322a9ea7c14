#pragma once

#include "common/TextPosition.h"
#include "image/Bank.h"

#include <optional>
#include <string>
#include <string_view>

namespace birch {

class Catalog;

// The image built from the two project files, and how many acceptable rules did not fit.
struct CompiledBank {
    TBank_General General;
    std::array<TBank_Rule, kBankRuleCount> Rules{};
    BankBytes Bytes{};
    int Accepted = 0; // entries filled (Rule_Count)
    int LeftOut = 0;  // acceptable rules beyond the 128 entries
};

// Which input could not be parsed, with the parser's description.
struct BankSourceError {
    enum class Source { ParGen, Rules };
    Source source;
    std::string reason;
    TextPosition at = {}; // where the parser stopped
};

struct CompileBankResult {
    std::optional<CompiledBank> bank;
    std::optional<BankSourceError> error;

    bool ok() const { return bank.has_value(); }
};

// Builds the device image from the contents of ParGen.xml and NMEA_0183_Set_Access.xml
// (nothing for a missing file). A file that exists but is not well-formed XML, or a rule file
// without NMEA_Listener under its first node, is an error: an image built without it would
// silently drop the user's settings or rules.
CompileBankResult Compile_Bank(std::optional<std::string_view> parGen, std::optional<std::string_view> rules,
                               const Catalog& catalog);

} // namespace birch
