#pragma once

#include "nmea/CaptureTime.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace birch {

// One NMEA 0183 sentence as a capture line holds it. The field values are kept as text: how
// the device converts them is not known from the project files.
struct CaptureSentence {
    enum class Checksum { Good, Bad, Missing };
    char start = '$';    // '$' or '!'
    std::string address; // what follows the start up to the first ',' or '*', e.g. "GPZDA"
    std::vector<std::string> fields;
    Checksum checksum = Checksum::Missing;
};

struct CaptureLine {
    enum class Kind { Blank, Garbage, Sentence };
    Kind kind = Kind::Blank;
    std::optional<CaptureTime> time; // from the text before the sentence
    CaptureSentence sentence;
};

// Reads a line of a capture. The sentence starts at the first '$' or '!' followed by an
// address (4 to 15 capital letters or digits, then ',' or '*' or the end); anything before it is
// a prefix that may hold a time stamp. After the address's '*' the checksum must be two
// hexadecimal digits, the last thing on the line, equal to the XOR of the characters between
// the start and the '*'. A line without such a start is garbage; one of blanks only is blank.
CaptureLine parseCaptureLine(std::string_view line);

} // namespace birch
