#pragma once

#include "lang/LanguageFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace birch {

// One thing in a language file a translator should look at; `line` counts from 1, and is 0 for
// the file as a whole (a missing text).
struct LanguageFinding {
    int line = 0;
    std::string message;
};

struct LanguageCheck {
    LanguageEncoding encoding = LanguageEncoding::Windows1252;
    std::vector<LanguageFinding> findings; // by line, then the missing texts by number
    int textsSet = 0;                      // of the texts that have an English text
    int textsExpected = 0;
    int extraSet = 0;
    int extraExpected = 0;

    bool needsAttention() const { return !findings.empty(); }
};

// Reads a language file's bytes with the program's own rules and judges them against its English
// texts: lines that look like entries but are ignored, numbers set twice, numbers without an
// English text, texts missing or made empty, blanks at the ends that differ from the English
// text, and bytes that do not fit the encoding the file is read in.
LanguageCheck checkLanguageFile(std::string_view bytes);

} // namespace birch
