#include "nmea/PlacedRules.h"

#include "common/DecimalNumber.h"
#include "common/TextUtil.h"

namespace birch {

std::string_view PlacedRule::sentenceName(const Catalog& catalog) const
{
    return catalog.NMEA0183_Sentences()[static_cast<std::size_t>(sentence - 1)].Name;
}

std::string_view PlacedRule::fieldText(const Catalog& catalog) const
{
    return catalog.NMEA0183_Map()[static_cast<std::size_t>(sentence - 1)].Fields[static_cast<std::size_t>(field)].Field;
}

std::vector<PlacedRule> placedRules(const Catalog& catalog, const RuleTable& rules)
{
    std::vector<PlacedRule> placed;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const TNMEA0183_Rule& rule = rules[i];
        if (!rule.Enable)
            continue;
        // The automatic position's test of a rule: exact sentence name, data field upper-cased.
        const int sentence = catalog.GetIndexSentence(rule.Sentence);
        if (!catalog.isOffered(sentence))
            continue;
        const int field = catalog.GetIndexDataField(sentence, upperAscii(rule.DataField));
        if (field < 0)
            continue;
        const auto position = parseDecimal(rule.Position);
        if (!position)
            continue;
        placed.push_back(
            {static_cast<int>(i) + 1, rule, sentence, field, *position, catalog.dimension(sentence, field)});
    }
    return placed;
}

} // namespace birch
