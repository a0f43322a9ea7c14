#pragma once

#include "nmea/Catalog.h"

#include <optional>
#include <string_view>

namespace birch {

// The sentences whose rules carry an index: GSV, XDR, $PJELA and $VTHA0 to $VTHS0. Only for
// these is the Index cell editable and validated.
bool isIndexSentence(int sentence);
bool isIndexSentence(const Catalog& catalog, std::string_view sentence);

// The accepted index range of a rule and the text number of its message.
struct IndexRange {
    int low;
    int high;
    int message;
};

// The range for a field of an index sentence; nothing when the index is not validated (not an
// index sentence, or a GSV field other than the satellite fields and the sentence number).
std::optional<IndexRange> indexRange(int sentence, int field);

} // namespace birch
