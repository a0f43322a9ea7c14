#include "nmea/RuleValidation.h"

#include "common/DecimalNumber.h"
#include "common/TextUtil.h"
#include "nmea/IndexSentences.h"
#include "nmea/RuleGrid.h"

namespace birch {

namespace {

std::optional<RuleFailure> checkRule(const Catalog& catalog, const TNMEA0183_Rule& rule, int row)
{
    const int sentence = catalog.GetIndexSentence(rule.Sentence);
    if (isIndexSentence(sentence)) {
        const int field = catalog.GetIndexDataField(sentence, upperAscii(trimControl(rule.DataField)));
        if (const auto range = indexRange(sentence, field)) {
            const int index = decimalOr(rule.Index, -1);
            if (index < range->low || index > range->high)
                return RuleFailure{row, range->message, {}, RuleColumn::Index};
        }
    }
    if (trimControl(rule.DataField).empty())
        return RuleFailure{row, 1036, {}, RuleColumn::DataField};
    if (trimControl(rule.PortOperation).empty())
        return RuleFailure{row, 1037, {}, RuleColumn::PostOpe};
    const int position = decimalOr(rule.Position, -1);
    if (position < 0 || position >= kDataAreaSize)
        return RuleFailure{row, 1038, std::to_string(kDataAreaSize), RuleColumn::Position};
    return std::nullopt;
}

} // namespace

std::optional<RuleFailure> Controllo_dati(const Catalog& catalog, const RuleTable& rules)
{
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const TNMEA0183_Rule& rule = rules[i];
        if (trimControl(rule.Sentence).empty() || !rule.Enable)
            continue;
        if (auto failure = checkRule(catalog, rule, static_cast<int>(i) + 1))
            return failure;
    }
    return std::nullopt;
}

std::string failureText(const TextList& texts, const RuleFailure& failure)
{
    return texts[1033] + std::to_string(failure.row) + texts[failure.message] + failure.suffix;
}

} // namespace birch
