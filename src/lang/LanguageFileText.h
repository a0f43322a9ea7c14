#pragma once

#include "lang/ExtraTexts.h"
#include "lang/TextList.h"

#include <string>

namespace birch {

// A complete language file of the tables' current texts: an STR line for every text that has an
// English text and an EXT line for every extra text, UTF-8 with a byte-order mark. A text that is
// empty or has blanks at an end is framed with "¶", so the file reads back to the same texts.
// Translators start from it; the shipped English.lng is made with it.
std::string languageFileText(const TextList& table, const ExtraTexts& extra);

} // namespace birch
