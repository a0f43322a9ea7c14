#pragma once

#include "nmea/FirstGenRule.h"
#include "nmea/Rule.h"

#include <optional>
#include <vector>

namespace birch {

// Rows a table holds but its file will not: the file ends before the first row without a
// sentence, so every row below that one that is not empty is left out. Rows are 1-based.
struct UnsavedRows {
    int firstWithoutSentence;
    std::vector<int> rows;

    bool operator==(const UnsavedRows&) const = default;
};

// Nothing when no row below the first one without a sentence holds a text. Boxes do not
// count: every row has them, set or not.
std::optional<UnsavedRows> rowsNotSaved(const RuleTable& rules);
std::optional<UnsavedRows> rowsNotSaved(const firstgen::RuleTable& rules);

} // namespace birch
