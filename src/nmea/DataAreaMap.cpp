#include "nmea/DataAreaMap.h"

#include <algorithm>

namespace birch {

DataAreaMap::DataAreaMap(std::vector<PlacedRule> rules) : rules_(std::move(rules))
{
    for (std::size_t i = 0; i < rules_.size(); ++i) {
        const PlacedRule& rule = rules_[i];
        if (rule.firstByte < 0 || rule.lastByte() >= kBytes)
            outside_.push_back(static_cast<int>(i));
        const std::int64_t first = std::max<std::int64_t>(rule.firstByte, 0);
        const std::int64_t last = std::min<std::int64_t>(rule.lastByte(), kBytes - 1);
        for (std::int64_t byte = first; byte <= last; ++byte)
            claims_[static_cast<std::size_t>(byte)].push_back(static_cast<int>(i));
    }
    for (std::size_t a = 0; a < rules_.size(); ++a)
        for (std::size_t b = a + 1; b < rules_.size(); ++b) {
            const std::int64_t first = std::max({rules_[a].firstByte, rules_[b].firstByte, std::int64_t{0}});
            const std::int64_t last = std::min({rules_[a].lastByte(), rules_[b].lastByte(), std::int64_t{kBytes - 1}});
            if (first <= last)
                overlaps_.push_back({rules_[a].row, rules_[b].row, static_cast<int>(first), static_cast<int>(last)});
        }
}

std::vector<int> DataAreaMap::overlappingRows(int rule) const
{
    const int row = rules_.at(static_cast<std::size_t>(rule)).row;
    std::vector<int> rows;
    for (const ByteOverlap& overlap : overlaps_) {
        if (overlap.rowA == row)
            rows.push_back(overlap.rowB);
        else if (overlap.rowB == row)
            rows.push_back(overlap.rowA);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int DataAreaMap::claimedBytes() const
{
    return static_cast<int>(std::count_if(claims_.begin(), claims_.end(), [](const auto& c) { return !c.empty(); }));
}

int DataAreaMap::conflictBytes() const
{
    return static_cast<int>(std::count_if(claims_.begin(), claims_.end(), [](const auto& c) { return c.size() > 1; }));
}

} // namespace birch
