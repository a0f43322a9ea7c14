#pragma once

#include "common/TextPosition.h"
#include "platform/FileWriter.h"

#include <filesystem>
#include <string>

namespace birch {

class Catalog;
struct AppState;

// What compiling and saving the device image came to. Anything but Ok means the image on disk
// does not reflect the project, so the update must not go ahead.
struct BankStepOutcome {
    enum class Status { Ok, Unreadable, Malformed, WriteFailed };
    Status status = Status::Ok;
    std::filesystem::path file; // the file concerned; for Ok the image written
    std::string reason;
    int accepted = 0;
    int leftOut = 0;      // acceptable rules that did not fit into the 128 entries
    TextPosition at = {}; // for Malformed: where the parser stopped

    bool ok() const { return status == Status::Ok; }
};

// Reads both project files (a missing one is no error), compiles and writes the image.
BankStepOutcome compileAndSaveBank(const std::filesystem::path& parGenFile, const std::filesystem::path& nmeaAccessFile,
                                   const std::filesystem::path& target, const Catalog& catalog, FileWriter& writer);

// The main window's step: the active project's files into ProjectDir/bin/bank.bin.
BankStepOutcome compileAndSaveBank(const AppState& state, FileWriter& writer);

std::filesystem::path bankFile(const std::filesystem::path& projectDir);

} // namespace birch
