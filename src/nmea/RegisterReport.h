#pragma once

#include "nmea/DataAreaMap.h"
#include "nmea/ModbusRegisters.h"

#include <optional>
#include <string>
#include <vector>

namespace birch {

// One enabled rule of the register map.
struct RegisterReportEntry {
    int row = 0;
    std::string sentence;
    std::string field;
    std::string channel;
    std::string mnemonic;
    std::string postOperation;
    bool swapAll = false;
    bool swap16 = false;
    std::int64_t firstByte = 0;
    int size = 0;
    // The registers of the rule's bytes inside the data area; nothing when none is inside.
    std::optional<int> firstRegister;
    std::optional<int> lastRegister;
    bool oddStart = false;
    std::vector<int> overlapRows;
    bool outside = false; // some bytes lie before or past the data area
};

struct RegisterReport {
    std::string project;
    RegisterTable table = RegisterTable::Holding;
    std::string tableNote;
    DataAreaMap map;
    std::vector<RegisterReportEntry> entries;
};

RegisterReport makeRegisterReport(std::string project, const Catalog& catalog, const RuleTable& rules,
                                  const RegisterTableLoad& registers);

// The header: what the report assumes and how it reads the project, one sentence a line.
std::vector<std::string> registerReportNotes(const RegisterReport& report);
// The column titles and one entry's cells, shared by every format.
std::vector<std::string> registerReportColumns();
std::vector<std::string> registerReportCells(const RegisterReport& report, const RegisterReportEntry& entry);

} // namespace birch
