#include "nmea/RegisterReportFormat.h"

namespace birch {

namespace {

// A table cell on one line, with the characters that would end the cell or start markup escaped.
std::string cell(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            escaped += ' ';
            continue;
        }
        if (c == '|' || c == '\\' || c == '*' || c == '_' || c == '`' || c == '<' || c == '[' || c == ']')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string row(const std::vector<std::string>& cells)
{
    std::string line = "|";
    for (const std::string& text : cells)
        line += " " + cell(text) + " |";
    return line + "\n";
}

} // namespace

std::string registerReportMarkdown(const RegisterReport& report)
{
    const auto notes = registerReportNotes(report);
    std::string text = "# " + cell(notes.front()) + "\n\n";
    for (std::size_t i = 1; i < notes.size(); ++i)
        text += "- " + cell(notes[i]) + "\n";
    text += "\n";
    const auto columns = registerReportColumns();
    text += row(columns);
    text += "|";
    for (std::size_t i = 0; i < columns.size(); ++i)
        text += " --- |";
    text += "\n";
    for (const RegisterReportEntry& entry : report.entries)
        text += row(registerReportCells(report, entry));
    return text;
}

} // namespace birch
