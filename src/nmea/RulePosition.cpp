#include "nmea/RulePosition.h"

#include "common/DecimalNumber.h"
#include "common/TextUtil.h"

#include <string>

namespace birch {

std::int64_t Get_Last_Position(const Catalog& catalog, const RuleTable& rules, int row)
{
    for (int r = row - 1; r >= 1; --r) {
        const TNMEA0183_Rule& rule = rules[static_cast<std::size_t>(r - 1)];
        if (!rule.Enable)
            continue;
        const int sentence = catalog.GetIndexSentence(rule.Sentence);
        if (sentence < 0)
            continue;
        const int field = catalog.GetIndexDataField(sentence, upperAscii(rule.DataField));
        if (field < 0)
            continue;
        return std::int64_t{decimalOr(rule.Position, 0)} + catalog.dimension(sentence, field);
    }
    return 0;
}

void Set_Position(const Catalog& catalog, RuleTable& rules, int row, std::string_view sentence, std::string_view field)
{
    std::int64_t position = Get_Last_Position(catalog, rules, row);
    const int number = catalog.GetIndexSentence(sentence);
    if (number >= 0) {
        const int fieldNumber = catalog.GetIndexDataField(number, upperAscii(field));
        const int size = catalog.dimension(number, fieldNumber);
        if (fieldNumber >= 0 && (size == 1 || size == 3))
            ++position;
    }
    rules[static_cast<std::size_t>(row - 1)].Position = std::to_string(position);
}

} // namespace birch
