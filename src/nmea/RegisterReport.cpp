#include "nmea/RegisterReport.h"

#include "common/Utf8.h"

#include <algorithm>

namespace birch {

namespace {

std::string yesNo(bool on)
{
    return on ? "Y" : "N";
}

std::string joinedRows(const std::vector<int>& rows)
{
    std::string text;
    for (const int row : rows)
        text += (text.empty() ? "" : ", ") + std::to_string(row);
    return text;
}

std::string flags(const RegisterReportEntry& entry)
{
    std::string text;
    const auto add = [&text](const std::string& flag) { text += (text.empty() ? "" : "; ") + flag; };
    if (entry.oddStart)
        add("odd start");
    if (!entry.overlapRows.empty())
        add((entry.overlapRows.size() == 1 ? "overlaps row " : "overlaps rows ") + joinedRows(entry.overlapRows));
    if (entry.outside)
        add("outside the data area");
    return text;
}

std::string optionalNumber(std::optional<int> value)
{
    return value ? std::to_string(*value) : std::string();
}

} // namespace

RegisterReport makeRegisterReport(std::string project, const Catalog& catalog, const RuleTable& rules,
                                  const RegisterTableLoad& registers)
{
    RegisterReport report{std::move(project),
                          registers.table,
                          registerTableNote(registers),
                          DataAreaMap(placedRules(catalog, rules)),
                          {}};
    const auto& placed = report.map.rules();
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const PlacedRule& rule = placed[i];
        RegisterReportEntry entry;
        entry.row = rule.row;
        entry.sentence = std::string(rule.sentenceName(catalog));
        entry.field = std::string(rule.fieldText(catalog));
        entry.channel = rule.rule.Serial_Channel;
        entry.mnemonic = rule.rule.Mnemonic;
        entry.postOperation = rule.rule.PortOperation;
        entry.swapAll = rule.rule.SwapAll;
        entry.swap16 = rule.rule.Swap16;
        entry.firstByte = rule.firstByte;
        entry.size = rule.size;
        const std::int64_t first = std::max<std::int64_t>(rule.firstByte, 0);
        const std::int64_t last = std::min<std::int64_t>(rule.lastByte(), DataAreaMap::kBytes - 1);
        if (first <= last) {
            entry.firstRegister = registerOf(static_cast<int>(first));
            entry.lastRegister = registerOf(static_cast<int>(last));
        }
        entry.oddStart = rule.firstByte % 2 != 0;
        entry.overlapRows = report.map.overlappingRows(static_cast<int>(i));
        entry.outside = rule.firstByte < 0 || rule.lastByte() >= DataAreaMap::kBytes;
        report.entries.push_back(std::move(entry));
    }
    return report;
}

std::vector<std::string> registerReportNotes(const RegisterReport& report)
{
    return {
        "Register map of the project " + sanitizeUtf8(report.project) + ".",
        "Rules listed: the enabled rules in row order. Enabled means: Enable checked (\"Y\" exactly in the rule "
        "file), sentence and data field known to the catalog, Position a decimal number.",
        "Assumption: the data area has 2000 bytes and one 16-bit Modbus register holds two of them, register = byte "
        "div 2 (bytes 2n and 2n+1 are register n). The project files say nothing about the byte order inside a "
        "register.",
        sanitizeUtf8(report.tableNote),
        "Register address: zero-based, as sent in a Modbus request. Number: the conventional register number.",
        "Flags: odd start = the field begins in the second byte of a register; overlaps row(s) = bytes shared "
        "with those rows; outside the data area = bytes before byte 0 or past byte 1999, which have no register.",
        "Enabled rules: " + std::to_string(report.entries.size()) +
            "; bytes they fill: " + std::to_string(report.map.claimedBytes()) +
            "; bytes filled by two rules or more: " + std::to_string(report.map.conflictBytes()) + ".",
    };
}

std::vector<std::string> registerReportColumns()
{
    return {"Row",          "Sentence",    "Field",      "Serial channel", "Mnemonic",      "Post operation",
            "Swap all",     "Swap 16",     "First byte", "Size",           "First address", "Last address",
            "First number", "Last number", "Flags"};
}

std::vector<std::string> registerReportCells(const RegisterReport& report, const RegisterReportEntry& entry)
{
    const auto number = [&](std::optional<int> address) {
        return address ? std::to_string(conventionalNumber(report.table, *address)) : std::string();
    };
    return {std::to_string(entry.row),
            sanitizeUtf8(entry.sentence),
            sanitizeUtf8(entry.field),
            sanitizeUtf8(entry.channel),
            sanitizeUtf8(entry.mnemonic),
            sanitizeUtf8(entry.postOperation),
            yesNo(entry.swapAll),
            yesNo(entry.swap16),
            std::to_string(entry.firstByte),
            std::to_string(entry.size),
            optionalNumber(entry.firstRegister),
            optionalNumber(entry.lastRegister),
            number(entry.firstRegister),
            number(entry.lastRegister),
            flags(entry)};
}

} // namespace birch
