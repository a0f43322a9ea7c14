#pragma once

#include "lang/TextList.h"
#include "nmea/Catalog.h"
#include "nmea/Rule.h"

#include <optional>
#include <string>

namespace birch {

// Size of the device's data area: a Position must lie below it.
inline constexpr int kDataAreaSize = 2000;

// The first rule that does not pass: its row (1-based), the text number of its message, what
// follows that text, and the table column (RuleColumn) of the cell it refused.
struct RuleFailure {
    int row;
    int message;
    std::string suffix;
    int column;

    bool operator==(const RuleFailure&) const = default;
};

// Checks every enabled row that names a sentence, top to bottom; the Serial Channel is not
// checked. Nothing when every row passes.
std::optional<RuleFailure> Controllo_dati(const Catalog& catalog, const RuleTable& rules);

// The message as shown: text 1033, the row number, the message text and its suffix.
std::string failureText(const TextList& texts, const RuleFailure& failure);

} // namespace birch
