#include "nmea/IndexSentences.h"

namespace birch {

namespace {
constexpr int kGsv = 10;
constexpr int kXdr = 34;
constexpr int kPjela = 35;
constexpr int kFirstVtha = 41;
constexpr int kLastVtha = 47;
} // namespace

bool isIndexSentence(int sentence)
{
    return sentence == kGsv || sentence == kXdr || sentence == kPjela ||
           (sentence >= kFirstVtha && sentence <= kLastVtha);
}

bool isIndexSentence(const Catalog& catalog, std::string_view sentence)
{
    return isIndexSentence(catalog.GetIndexSentence(sentence));
}

std::optional<IndexRange> indexRange(int sentence, int field)
{
    if (sentence == kGsv) {
        if (field >= 3 && field <= 6)
            return IndexRange{1, 36, 1044};
        if (field == 1)
            return IndexRange{1, 9, 1045};
        return std::nullopt;
    }
    if (sentence == kXdr)
        return IndexRange{1, 10, 1042};
    if (sentence == kPjela)
        return IndexRange{1, 50, 1043};
    if (sentence >= kFirstVtha && sentence <= kLastVtha)
        return IndexRange{1, 32, 1046};
    return std::nullopt;
}

} // namespace birch
