#include "nmea/Catalog.h"

#include "common/TextUtil.h"

#include <algorithm>

namespace birch {

namespace {
bool validNumber(int sentence)
{
    return sentence >= 1 && sentence <= static_cast<int>(kSentenceCount);
}
std::size_t slot(int sentence)
{
    return static_cast<std::size_t>(sentence - 1);
}
} // namespace

Catalog Catalog::Init_NMEA0183_Map()
{
    Catalog catalog;
    for (std::size_t i = 0; i < kSentenceCount; ++i) {
        catalog.sentences_[i] = {kCatalogData[i].Name, kCatalogData[i].Offered};
        catalog.map_[i].Fields.clear();
    }
    for (std::size_t i = 0; i < kSentenceCount; ++i) {
        if (!kCatalogData[i].Offered)
            continue;
        const auto& fields = kCatalogData[i].Fields;
        catalog.map_[i].Fields.assign(fields.begin(), fields.end());
        for (const auto& field : fields)
            catalog.upperFields_[i].push_back(upperAscii(trimBlanks(field.Field)));
    }
    return catalog;
}

int Catalog::GetIndexSentence(std::string_view name) const
{
    for (std::size_t i = 0; i < kSentenceCount; ++i)
        if (sentences_[i].Name == name)
            return static_cast<int>(i) + 1;
    return -1;
}

int Catalog::GetIndexDataField(int sentence, std::string_view text) const
{
    if (!validNumber(sentence))
        return -1;
    const auto& upper = upperFields_[slot(sentence)];
    for (std::size_t i = 0; i < upper.size(); ++i)
        if (upper[i] == text)
            return static_cast<int>(i);
    return -1;
}

std::string Catalog::Get_Sentence(std::string_view name) const
{
    for (const auto& entry : sentences_)
        if (entry.Offered && entry.Name == name)
            return std::string(name);
    return {};
}

std::string Catalog::Get_DataField(std::string_view field, std::string_view sentence) const
{
    const int number = GetIndexSentence(sentence);
    if (!validNumber(number))
        return {};
    for (const auto& candidate : map_[slot(number)].Fields)
        if (candidate.Field == field)
            return std::string(field);
    return {};
}

bool Catalog::isOffered(int sentence) const
{
    return validNumber(sentence) && sentences_[slot(sentence)].Offered;
}

int Catalog::dimension(int sentence, int field) const
{
    if (!validNumber(sentence) || field < 0)
        return 0;
    const auto& fields = map_[slot(sentence)].Fields;
    return static_cast<std::size_t>(field) < fields.size() ? fields[static_cast<std::size_t>(field)].Dimension : 0;
}

std::vector<std::string> Catalog::offeredSentences() const
{
    std::vector<std::string> names;
    for (const auto& entry : sentences_)
        if (entry.Offered)
            names.emplace_back(entry.Name);
    return names;
}

std::vector<std::string> Catalog::offeredSentencesSorted() const
{
    auto names = offeredSentences();
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> Catalog::fieldTexts(int sentence) const
{
    std::vector<std::string> texts;
    if (!validNumber(sentence))
        return texts;
    for (const auto& field : map_[slot(sentence)].Fields)
        texts.emplace_back(field.Field);
    return texts;
}

} // namespace birch
