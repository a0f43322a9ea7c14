#include "nmea/UnsavedRows.h"

#include "common/TextUtil.h"

#include <algorithm>
#include <initializer_list>
#include <string>

namespace birch {

namespace {

bool holdsText(std::initializer_list<const std::string*> cells)
{
    return std::any_of(cells.begin(), cells.end(), [](const std::string* cell) { return !trimControl(*cell).empty(); });
}

bool inUse(const TNMEA0183_Rule& r)
{
    return holdsText(
        {&r.Serial_Channel, &r.Sentence, &r.Index, &r.DataField, &r.PortOperation, &r.Position, &r.Mnemonic});
}

// The Enable cell is a box in this table too, though it holds "Y" or "N" as text.
bool inUse(const firstgen::Rule& r)
{
    return holdsText({&r.Sentence, &r.Index, &r.Serial_Channel, &r.Mnemonic});
}

template <typename Table> std::optional<UnsavedRows> rowsBelowTheEnd(const Table& rules)
{
    const auto end =
        std::find_if(rules.begin(), rules.end(), [](const auto& rule) { return trimControl(rule.Sentence).empty(); });
    if (end == rules.end())
        return std::nullopt;
    UnsavedRows unsaved{static_cast<int>(end - rules.begin()) + 1, {}};
    for (auto row = std::next(end); row != rules.end(); ++row)
        if (inUse(*row))
            unsaved.rows.push_back(static_cast<int>(row - rules.begin()) + 1);
    if (unsaved.rows.empty())
        return std::nullopt;
    return unsaved;
}

} // namespace

std::optional<UnsavedRows> rowsNotSaved(const RuleTable& rules)
{
    return rowsBelowTheEnd(rules);
}

std::optional<UnsavedRows> rowsNotSaved(const firstgen::RuleTable& rules)
{
    return rowsBelowTheEnd(rules);
}

} // namespace birch
