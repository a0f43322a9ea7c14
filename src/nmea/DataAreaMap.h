#pragma once

#include "nmea/PlacedRules.h"

#include <array>
#include <cstdint>
#include <vector>

namespace birch {

// Two enabled rules that fill the same bytes: their rows (rowA above rowB) and the shared bytes.
struct ByteOverlap {
    int rowA = 0;
    int rowB = 0;
    int firstByte = 0;
    int lastByte = 0;

    bool operator==(const ByteOverlap&) const = default;
};

// Which enabled rules fill each byte of the 2000-byte data area. Rules are referred to by their
// position in rules(), which is row order.
class DataAreaMap {
public:
    static constexpr int kBytes = 2000;

    explicit DataAreaMap(std::vector<PlacedRule> rules);

    const std::vector<PlacedRule>& rules() const { return rules_; }
    // The rules filling `byte` (0..1999), in row order.
    const std::vector<int>& claims(int byte) const { return claims_.at(static_cast<std::size_t>(byte)); }
    bool conflict(int byte) const { return claims(byte).size() > 1; }
    // Every pair of rules sharing bytes, by upper row then lower row.
    const std::vector<ByteOverlap>& overlaps() const { return overlaps_; }
    // Rules with bytes before or past the data area.
    const std::vector<int>& outside() const { return outside_; }
    // The rows whose bytes `rule` shares, in row order.
    std::vector<int> overlappingRows(int rule) const;

    int claimedBytes() const;
    int conflictBytes() const;

private:
    std::vector<PlacedRule> rules_;
    std::array<std::vector<int>, kBytes> claims_{};
    std::vector<ByteOverlap> overlaps_;
    std::vector<int> outside_;
};

} // namespace birch
