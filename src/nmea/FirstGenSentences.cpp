#include "nmea/FirstGenSentences.h"

#include "common/TextUtil.h"

namespace birch::firstgen {

int sentenceNumber(const Catalog& catalog, std::string_view sentence)
{
    return catalog.Find_Sentence(upperAscii(trimControl(sentence)));
}

bool takesIndex(const Catalog& catalog, std::string_view sentence)
{
    const int number = sentenceNumber(catalog, sentence);
    return number == kXdr || number == kPjela;
}

} // namespace birch::firstgen
