#pragma once

#include "nmea/RegisterReport.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace birch {

enum class ReportFormat { Csv, Markdown, Html };

// "csv", "markdown" or "html", exactly; nothing for any other text.
std::optional<ReportFormat> reportFormatNamed(std::string_view name);
// The file name extension of a format, with its dot.
std::string_view reportExtension(ReportFormat format);

// The file a name chosen in a save dialog stands for and its format: the extension ".csv",
// ".md", ".markdown", ".html" or ".htm" (any letter case) chooses the format; any other name is
// a CSV file with ".csv" added.
struct ReportTarget {
    std::filesystem::path file;
    ReportFormat format = ReportFormat::Csv;
};
ReportTarget reportTarget(const std::filesystem::path& chosen);

// UTF-8 with a byte-order mark, comma-separated, quoted as RFC 4180, CR LF line ends: the notes
// one per record, an empty record, the column titles, one record per entry.
std::string registerReportCsv(const RegisterReport& report);
// The notes as a list, then a table.
std::string registerReportMarkdown(const RegisterReport& report);
// One self-contained page: the notes, the table and the data-area map with a legend.
std::string registerReportHtml(const RegisterReport& report);

std::string registerReportText(const RegisterReport& report, ReportFormat format);

} // namespace birch
