#include "nmea/RegisterReportFormat.h"

#include "common/TextUtil.h"

namespace birch {

std::optional<ReportFormat> reportFormatNamed(std::string_view name)
{
    if (name == "csv")
        return ReportFormat::Csv;
    if (name == "markdown")
        return ReportFormat::Markdown;
    if (name == "html")
        return ReportFormat::Html;
    return std::nullopt;
}

std::string_view reportExtension(ReportFormat format)
{
    switch (format) {
    case ReportFormat::Csv:
        return ".csv";
    case ReportFormat::Markdown:
        return ".md";
    case ReportFormat::Html:
        break;
    }
    return ".html";
}

ReportTarget reportTarget(const std::filesystem::path& chosen)
{
    const std::string extension = upperAscii(chosen.extension().string());
    if (extension == ".CSV")
        return {chosen, ReportFormat::Csv};
    if (extension == ".MD" || extension == ".MARKDOWN")
        return {chosen, ReportFormat::Markdown};
    if (extension == ".HTML" || extension == ".HTM")
        return {chosen, ReportFormat::Html};
    std::filesystem::path file = chosen;
    file += ".csv";
    return {file, ReportFormat::Csv};
}

std::string registerReportText(const RegisterReport& report, ReportFormat format)
{
    switch (format) {
    case ReportFormat::Csv:
        return registerReportCsv(report);
    case ReportFormat::Markdown:
        return registerReportMarkdown(report);
    case ReportFormat::Html:
        break;
    }
    return registerReportHtml(report);
}

} // namespace birch
