#include "common/HtmlText.h"
#include "nmea/DataAreaColours.h"
#include "nmea/RegisterReportFormat.h"

#include <cstdio>

namespace birch {

namespace {

constexpr int kBytesPerLine = 50;

constexpr std::string_view kStyle =
    "body{font-family:sans-serif;margin:1.5em;color:#000;background:#fff}"
    "table{border-collapse:collapse;margin:1em 0}"
    "th,td{border:1px solid #888;padding:2px 6px;text-align:left;vertical-align:top}"
    "th{background:#eee}"
    ".map{display:grid;grid-template-columns:4em repeat(50,12px);row-gap:2px;margin:1em 0}"
    ".map .a{font-size:11px;text-align:right;padding-right:6px;line-height:14px}"
    ".b{height:14px;border:1px solid #999;box-sizing:border-box}"
    ".b.e{margin-left:2px}"
    ".f{background:#fff}"
    ".x{background:repeating-linear-gradient(45deg,#000 0 2px,#fff 2px 5px)}"
    ".key{display:inline-block;width:24px;height:14px;border:1px solid #999;vertical-align:middle;"
    "margin-right:6px}";

std::string colourText(std::uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFFu));
    return text;
}

std::string ruleName(const PlacedRule& rule, const RegisterReport& report)
{
    for (const RegisterReportEntry& entry : report.entries)
        if (entry.row == rule.row)
            return "row " + std::to_string(rule.row) + " " + entry.sentence + " " + entry.field;
    return "row " + std::to_string(rule.row);
}

std::string byteCell(const RegisterReport& report, int byte)
{
    const DataAreaMap& map = report.map;
    const int address = registerOf(byte);
    std::string title = "Byte " + std::to_string(byte) + ", register " + std::to_string(address) + " (" +
                        std::to_string(conventionalNumber(report.table, address)) + ")";
    const auto& claims = map.claims(byte);
    if (claims.empty())
        title += ": free";
    for (std::size_t i = 0; i < claims.size(); ++i)
        title += (i == 0 ? ": " : "; ") + ruleName(map.rules()[static_cast<std::size_t>(claims[i])], report);
    std::string classes = byte % 2 == 0 && byte % kBytesPerLine != 0 ? "b e" : "b";
    std::string style;
    if (claims.empty())
        classes += " f";
    else if (claims.size() > 1)
        classes += " x";
    else
        style = " style=\"background:" + colourText(ruleColour(static_cast<std::size_t>(claims.front()))) + "\"";
    return "<div class=\"" + classes + "\"" + style + " title=\"" + htmlEscape(title) + "\"></div>";
}

std::string mapSection(const RegisterReport& report)
{
    std::string html = "<h2>Data area</h2>\n<div class=\"map\">\n";
    for (int byte = 0; byte < DataAreaMap::kBytes; ++byte) {
        if (byte % kBytesPerLine == 0)
            html += "<div class=\"a\">" + std::to_string(byte) + "</div>";
        html += byteCell(report, byte);
        if (byte % kBytesPerLine == kBytesPerLine - 1)
            html += "\n";
    }
    html += "</div>\n<p><span class=\"key f\"></span>free byte <span class=\"key x\"></span>byte filled by two "
            "rules or more</p>\n<ul>\n";
    const auto& rules = report.map.rules();
    for (std::size_t i = 0; i < rules.size(); ++i)
        html += "<li><span class=\"key\" style=\"background:" + colourText(ruleColour(i)) + "\"></span>" +
                htmlEscape(ruleName(rules[i], report)) + ", bytes " + std::to_string(rules[i].firstByte) + "-" +
                std::to_string(rules[i].lastByte()) + "</li>\n";
    return html + "</ul>\n";
}

} // namespace

std::string registerReportHtml(const RegisterReport& report)
{
    const auto notes = registerReportNotes(report);
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                       htmlEscape(notes.front()) + "</title>\n<style>" + std::string(kStyle) +
                       "</style>\n</head>\n<body>\n<h1>" + htmlEscape(notes.front()) + "</h1>\n<ul>\n";
    for (std::size_t i = 1; i < notes.size(); ++i)
        html += "<li>" + htmlEscape(notes[i]) + "</li>\n";
    html += "</ul>\n<table>\n<tr>";
    for (const std::string& column : registerReportColumns())
        html += "<th>" + htmlEscape(column) + "</th>";
    html += "</tr>\n";
    for (const RegisterReportEntry& entry : report.entries) {
        html += "<tr>";
        for (const std::string& cell : registerReportCells(report, entry))
            html += "<td>" + htmlEscape(cell) + "</td>";
        html += "</tr>\n";
    }
    html += "</table>\n" + mapSection(report) + "</body>\n</html>\n";
    return html;
}

} // namespace birch
