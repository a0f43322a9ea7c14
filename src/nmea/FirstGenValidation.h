#pragma once

#include "lang/TextList.h"
#include "nmea/Catalog.h"
#include "nmea/FirstGenRule.h"

#include <optional>
#include <string>

namespace birch::firstgen {

// The first failure: its row (1-based), the text number of its message, for two equal rules
// also the later row, which the message names after the text, and the column of the refused
// cell.
struct Failure {
    int row;
    int message;
    std::optional<int> laterRow;
    int column;

    // The row to correct: of two equal rules the later one.
    int rowToCorrect() const { return laterRow.value_or(row); }

    bool operator==(const Failure&) const = default;
};

// Checks the rows down to the first one without a sentence, skipping rows whose Enable text is
// not "Y": a catalog sentence, an index from 1 to 10 for XDR and $PJELA, one of the three
// channels; then that no two of those rules are equal in sentence, index and channel. Nothing
// when every row passes.
std::optional<Failure> Controllo_dati(const Catalog& catalog, const RuleTable& rules);

// The message as shown: text 623, the row number, the message text and the later row, if any.
std::string failureText(const TextList& texts, const Failure& failure);

} // namespace birch::firstgen
