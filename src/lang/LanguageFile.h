#pragma once

#include "lang/ExtraTexts.h"
#include "lang/TextList.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace birch {

// A language file's bytes as UTF-8: a byte-order mark selects UTF-8, UTF-16 LE or UTF-16 BE;
// without one the bytes are Windows-1252. Malformed sequences become U+FFFD.
std::string decodeLanguageBytes(std::string_view bytes);

// The lines of a text; a line ends at CR LF, LF or CR.
std::vector<std::string_view> splitLines(std::string_view text);

// One entry line: `STR<number> = text` for the text table, `EXT<number> = text` for the
// product's extra texts.
struct LanguageLine {
    enum class Table { Texts, Extra };
    Table table = Table::Texts;
    int number = 0;
    std::string text;

    bool operator==(const LanguageLine&) const = default;
};

// Reads one line by the entry rules; nothing for a comment or a line to ignore. The range of
// STR numbers is checked here; EXT numbers are checked by the extra-text table.
std::optional<LanguageLine> parseLanguageLine(std::string_view line);

// Overlays both tables with every entry of a decoded file, in order (later lines win).
void overlayLanguageText(std::string_view text, TextList& table, ExtraTexts& extra);

} // namespace birch
