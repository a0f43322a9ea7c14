#pragma once

#include "lang/ExtraTexts.h"
#include "lang/TextList.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace birch {

// How a language file's bytes are read: a byte-order mark selects UTF-8, UTF-16 LE or UTF-16 BE;
// without one the bytes are Windows-1252.
enum class LanguageEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Windows1252 };
LanguageEncoding detectLanguageEncoding(std::string_view bytes);
std::string_view encodingName(LanguageEncoding encoding);

// A language file's bytes as UTF-8, read in the encoding detected. Malformed sequences become
// U+FFFD.
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

// What the entry rules made of one line. Everything but `Entry` leaves the tables alone; the
// outcomes after `Other` are lines that look like entries, so a translator wants to hear of them.
struct LineReading {
    enum class Outcome {
        Entry,
        Other,      // a comment, or any line not starting with STR or EXT
        PrefixCase, // "str", "Ext", ... followed by a number
        NoEquals,   // no "=" at all
        NotANumber, // the number field is empty or not a decimal integer
        OutOfRange, // a negative number, or an STR number above 1599
        EmptyText,  // nothing after "=", or only a comment
    };
    Outcome outcome = Outcome::Other;
    std::optional<LanguageLine> entry; // set exactly for `Entry`
    // The character right before "=" is not read as part of the number, so "STR13= x" sets
    // text 1; this is that character when it is not a blank.
    std::string unreadBeforeEquals;
};
LineReading readLanguageLine(std::string_view line);

// Reads one line by the entry rules; nothing for a comment or a line to ignore. The range of
// STR numbers is checked here; EXT numbers are checked by the extra-text table.
std::optional<LanguageLine> parseLanguageLine(std::string_view line);

// Overlays both tables with every entry of a decoded file, in order (later lines win).
void overlayLanguageText(std::string_view text, TextList& table, ExtraTexts& extra);

} // namespace birch
