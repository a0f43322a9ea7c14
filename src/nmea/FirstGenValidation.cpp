#include "nmea/FirstGenValidation.h"

#include "common/DecimalNumber.h"
#include "common/TextUtil.h"
#include "nmea/FirstGenChannels.h"
#include "nmea/FirstGenGrid.h"
#include "nmea/FirstGenSentences.h"

#include <cstddef>
#include <tuple>
#include <vector>

namespace birch::firstgen {

namespace {

constexpr int kErrorRow = 623;
constexpr int kSentenceNotValid = 624;
constexpr int kChannelNotValid = 625;
constexpr int kRulesEqual = 626;
constexpr int kIndexOutOfRange = 630;

std::string key(std::string_view text)
{
    return upperAscii(trimControl(text));
}

// What two rules are compared by. The Index counts only where it is saved, so a text left in the
// read-only cell of another sentence cannot hide two rules that the file would hold twice.
std::tuple<std::string, std::string, std::string> identity(const Catalog& catalog, const Rule& rule)
{
    return {key(rule.Sentence), takesIndex(catalog, rule.Sentence) ? key(rule.Index) : std::string(),
            key(rule.Serial_Channel)};
}

std::optional<Failure> checkRule(const Catalog& catalog, const Rule& rule, int row)
{
    const int sentence = sentenceNumber(catalog, rule.Sentence);
    if (sentence < 0)
        return Failure{row, kSentenceNotValid, std::nullopt, Column::Sentence};
    if (sentence == kXdr || sentence == kPjela) {
        const int index = decimalOr(rule.Index, -1);
        if (index < kIndexLow || index > kIndexHigh)
            return Failure{row, kIndexOutOfRange, std::nullopt, Column::Index};
    }
    if (!Check_Serial(key(rule.Serial_Channel), kEnable_Serial))
        return Failure{row, kChannelNotValid, std::nullopt, Column::SerialChannel};
    return std::nullopt;
}

} // namespace

std::optional<Failure> Controllo_dati(const Catalog& catalog, const RuleTable& rules)
{
    // Row numbers (1-based) of the enabled rules above the first row without a sentence.
    std::vector<int> checked;
    for (std::size_t i = 0; i < rules.size() && !trimControl(rules[i].Sentence).empty(); ++i)
        if (trimControl(rules[i].Enable) == "Y")
            checked.push_back(static_cast<int>(i) + 1);

    const auto ruleAt = [&rules](int row) -> const Rule& { return rules[static_cast<std::size_t>(row - 1)]; };
    for (const int row : checked)
        if (auto failure = checkRule(catalog, ruleAt(row), row))
            return failure;
    for (std::size_t c = 0; c < checked.size(); ++c)
        for (std::size_t d = c + 1; d < checked.size(); ++d)
            if (identity(catalog, ruleAt(checked[c])) == identity(catalog, ruleAt(checked[d])))
                return Failure{checked[c], kRulesEqual, checked[d], Column::Sentence};
    return std::nullopt;
}

std::string failureText(const TextList& texts, const Failure& failure)
{
    std::string text = texts[kErrorRow] + std::to_string(failure.row) + texts[failure.message];
    if (failure.laterRow)
        text += std::to_string(*failure.laterRow);
    return text;
}

} // namespace birch::firstgen
