#pragma once

#include <optional>
#include <string_view>

namespace birch {

// A time stamp found in the text a capture tool wrote before a sentence.
struct CaptureTime {
    enum class Kind { DateTime, TimeOfDay, Seconds };
    Kind kind;
    double seconds; // since 1970 (DateTime, offset applied), since midnight, or as written
};

// The first time stamp in `prefix`, read left to right: a date and time
// ("2024-05-01T12:00:00.250Z", a blank or "_" for the "T", "," or "." before the fraction, an
// optional "Z" or offset "+02:00"), a time of day ("12:00:00.250"), or a number of seconds
// with a fraction or of at least nine digits ("1714564800", "[   12.345]"). Shorter whole
// numbers are taken for counters, not times.
std::optional<CaptureTime> captureTimeIn(std::string_view prefix);

} // namespace birch
