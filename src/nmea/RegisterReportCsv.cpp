#include "common/Csv.h"
#include "nmea/RegisterReportFormat.h"

namespace birch {

std::string registerReportCsv(const RegisterReport& report)
{
    const std::size_t width = registerReportColumns().size();
    std::string text(kUtf8Bom);
    // Every record has the table's width, so that the file stays one rectangle of cells.
    for (const std::string& note : registerReportNotes(report)) {
        std::vector<std::string> record(width);
        record.front() = note;
        text += csvRecord(record);
    }
    text += csvRecord(std::vector<std::string>(width));
    text += csvRecord(registerReportColumns());
    for (const RegisterReportEntry& entry : report.entries)
        text += csvRecord(registerReportCells(report, entry));
    return text;
}

} // namespace birch
