#pragma once

#include "nmea/CatalogData.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace birch {

struct SentenceEntry {
    std::string_view Name;
    bool Offered;
};

// The fields of one sentence in field order; the field number is the index.
struct TMNEA0183_Map {
    std::vector<TFieldSentence> Fields;
};

// The built-in sentence catalog: built once, read-only afterwards.
class Catalog {
public:
    // Builds the catalog: every field list empty, then the offered sentences filled.
    static Catalog Init_NMEA0183_Map();

    const std::array<SentenceEntry, kSentenceCount>& NMEA0183_Sentences() const { return sentences_; }
    const std::array<TMNEA0183_Map, kSentenceCount>& NMEA0183_Map() const { return map_; }

    // Sentence number (1..52) of the first entry named exactly `name`, or -1; ignores `Offered`.
    int GetIndexSentence(std::string_view name) const;
    int Find_Sentence(std::string_view name) const { return GetIndexSentence(name); }

    // Field number of the first field whose upper-cased, blank-trimmed text equals `text`
    // (taken as given), or -1; -1 also for a sentence number outside 1..52 or without fields.
    int GetIndexDataField(int sentence, std::string_view text) const;

    // `name` when it is exactly the name of an offered sentence, else the empty text.
    std::string Get_Sentence(std::string_view name) const;

    // `field` when it is exactly one of the field texts of `sentence`, else the empty text.
    std::string Get_DataField(std::string_view field, std::string_view sentence) const;

    bool isOffered(int sentence) const;
    // Size in bytes of a field, or 0 for an unknown sentence or field.
    int dimension(int sentence, int field) const;

    // Listings for drop-down lists.
    std::vector<std::string> offeredSentences() const;       // catalog order
    std::vector<std::string> offeredSentencesSorted() const; // alphabetical
    std::vector<std::string> fieldTexts(int sentence) const; // field order

private:
    Catalog() = default;

    std::array<SentenceEntry, kSentenceCount> sentences_{};
    std::array<TMNEA0183_Map, kSentenceCount> map_{};
    std::array<std::vector<std::string>, kSentenceCount> upperFields_{};
};

} // namespace birch
