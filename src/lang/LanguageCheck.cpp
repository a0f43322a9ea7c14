#include "lang/LanguageCheck.h"

#include "common/Utf8.h"
#include "common/Windows1252.h"
#include "lang/DefaultTexts.h"
#include "lang/ExtraTexts.h"

#include <algorithm>
#include <map>
#include <optional>

namespace birch {

namespace {

using Outcome = LineReading::Outcome;

// The English texts a file is judged against, for one table.
struct TableCheck {
    const char* noun; // "text" or "extra text"
    std::map<int, std::string> english;
    std::map<int, int> firstLine; // number -> the line that set it first
};

TableCheck englishTexts()
{
    TableCheck table{"text", {}, {}};
    for (const DefaultText& entry : kDefaultTexts)
        table.english.emplace(entry.number, std::string(entry.text));
    return table;
}

TableCheck englishExtraTexts()
{
    TableCheck table{"extra text", {}, {}};
    const ExtraTexts defaults;
    for (const int number : ExtraTexts::numbers())
        table.english.emplace(number, defaults[number]);
    return table;
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::size_t leadingBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? text.size() : first;
}

std::size_t trailingBlanks(std::string_view text)
{
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? text.size() : text.size() - last - 1;
}

std::string blanks(std::size_t count)
{
    if (count == 0)
        return "no blank";
    return std::to_string(count) + (count == 1 ? " blank" : " blanks");
}

std::string ignoredBecause(const LineReading& reading)
{
    switch (reading.outcome) {
    case Outcome::PrefixCase:
        return "ignored: an entry begins with STR or EXT in capital letters";
    case Outcome::NoEquals:
        return "ignored: no \"=\" between the number and the text";
    case Outcome::NotANumber:
        if (!reading.unreadBeforeEquals.empty())
            return "ignored: no number before \"=\"; the " + quoted(reading.unreadBeforeEquals) +
                   " right before \"=\" is not read as part of the number, so put a blank before \"=\"";
        return "ignored: no number before \"=\"";
    case Outcome::OutOfRange:
        return "ignored: the number is out of range (STR 0 to 1599, EXT as listed in docs/extra-texts.md)";
    case Outcome::EmptyText:
        return "ignored: no text after \"=\" (a lone \xC2\xB6 makes a text empty)";
    case Outcome::Entry:
    case Outcome::Other:
        break;
    }
    return {};
}

// The findings of one entry that reached a table.
void checkEntry(const LanguageLine& entry, int line, const std::string& unread, TableCheck& table,
                std::vector<LanguageFinding>& findings)
{
    const std::string name = std::string(table.noun) + " " + std::to_string(entry.number);
    if (!unread.empty())
        findings.push_back({line, "sets " + name + ": the " + quoted(unread) +
                                      " right before \"=\" is not read as part of the number; put a blank "
                                      "before \"=\""});
    const auto english = table.english.find(entry.number);
    if (english == table.english.end()) {
        findings.push_back({line, entry.table == LanguageLine::Table::Texts
                                      ? name + " has no English text, so the program does not show it; check "
                                               "the number"
                                      : "ignored: there is no " + name});
        return;
    }
    if (const auto [first, inserted] = table.firstLine.emplace(entry.number, line); !inserted)
        findings.push_back(
            {line, name + " is set again (first at line " + std::to_string(first->second) + "); the later line wins"});
    if (entry.text.empty()) {
        findings.push_back({line, name + " is made empty; the English text is " + quoted(english->second)});
        return;
    }
    const std::string& source = english->second;
    std::vector<std::string> ends;
    if (leadingBlanks(entry.text) != leadingBlanks(source))
        ends.push_back("begins with " + blanks(leadingBlanks(entry.text)) +
                       " (English: " + blanks(leadingBlanks(source)) + ")");
    if (trailingBlanks(entry.text) != trailingBlanks(source))
        ends.push_back("ends with " + blanks(trailingBlanks(entry.text)) +
                       " (English: " + blanks(trailingBlanks(source)) + ")");
    if (!ends.empty())
        findings.push_back({line, name + " " + ends.front() + (ends.size() > 1 ? " and " + ends.back() : "") +
                                      "; messages are joined from pieces, so keep the blanks at the ends with "
                                      "\xC2\xB6"});
}

// The line (from 1) that holds byte `offset`, with the same line ends as `splitLines`.
int lineAt(std::string_view bytes, std::size_t offset)
{
    int line = 1;
    for (std::size_t i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        if (bytes[i] == '\r' || bytes[i] == '\n')
            ++line;
    }
    return line;
}

// A file without a mark is read as Windows-1252; bytes that are all valid UTF-8 with characters
// beyond ASCII were almost surely saved as UTF-8 without the mark.
std::optional<LanguageFinding> utf8WithoutMark(std::string_view bytes)
{
    std::optional<std::size_t> firstWide;
    std::size_t length = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const Utf8Step step = decodeUtf8At(bytes, i);
        if (!step.codePoint)
            return std::nullopt;
        if (step.length > 1 && !firstWide) {
            firstWide = i;
            length = step.length;
        }
        i += step.length;
    }
    if (!firstWide)
        return std::nullopt;
    const std::string_view sample = bytes.substr(*firstWide, length);
    return LanguageFinding{
        lineAt(bytes, *firstWide),
        "the file has no byte-order mark, so it is read as Windows-1252, but it is UTF-8: " + quoted(sample) +
            " would show as " + quoted(decodeWindows1252(sample)) + "; save it as UTF-8 with a byte-order mark"};
}

void reportMissing(const TableCheck& table, std::vector<LanguageFinding>& findings)
{
    for (const auto& [number, english] : table.english)
        if (!table.firstLine.contains(number))
            findings.push_back({0, std::string(table.noun) + " " + std::to_string(number) +
                                       " is missing (English: " + quoted(english) + ")"});
}

} // namespace

LanguageCheck checkLanguageFile(std::string_view bytes)
{
    LanguageCheck check;
    check.encoding = detectLanguageEncoding(bytes);
    TableCheck texts = englishTexts();
    TableCheck extra = englishExtraTexts();

    if (check.encoding == LanguageEncoding::Windows1252)
        if (auto finding = utf8WithoutMark(bytes))
            check.findings.push_back(std::move(*finding));

    const std::string decoded = decodeLanguageBytes(bytes);
    int line = 0;
    for (const std::string_view text : splitLines(decoded)) {
        ++line;
        // Windows-1252 maps every byte; the other encodings mark what they could not read.
        if (check.encoding != LanguageEncoding::Windows1252 && text.find("\xEF\xBF\xBD") != std::string_view::npos)
            check.findings.push_back({line, std::string("holds bytes that are not valid ") +
                                                (check.encoding == LanguageEncoding::Utf8 ? "UTF-8" : "UTF-16") +
                                                " (read as the replacement character)"});
        const LineReading reading = readLanguageLine(text);
        if (reading.entry) {
            TableCheck& table = reading.entry->table == LanguageLine::Table::Texts ? texts : extra;
            checkEntry(*reading.entry, line, reading.unreadBeforeEquals, table, check.findings);
        } else if (const std::string reason = ignoredBecause(reading); !reason.empty()) {
            check.findings.push_back({line, reason});
        }
    }

    // The encoding's finding names a line of its own; then the missing texts, which have none.
    std::stable_sort(check.findings.begin(), check.findings.end(),
                     [](const LanguageFinding& a, const LanguageFinding& b) { return a.line < b.line; });
    reportMissing(texts, check.findings);
    reportMissing(extra, check.findings);
    check.textsExpected = static_cast<int>(texts.english.size());
    check.textsSet = static_cast<int>(texts.firstLine.size());
    check.extraExpected = static_cast<int>(extra.english.size());
    check.extraSet = static_cast<int>(extra.firstLine.size());
    return check;
}

} // namespace birch
