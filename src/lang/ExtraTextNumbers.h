#pragma once

namespace birch::ext {

// Files and start-up.
inline constexpr int kFileCannotBeRead = 1;
inline constexpr int kFileCannotBeParsed = 2;
inline constexpr int kFileCannotBeWritten = 3;
inline constexpr int kFileKeptAsBackup = 4;

// Parameters.
inline constexpr int kParGenNotLoaded = 200;
inline constexpr int kParGenBackupFailed = 201;

} // namespace birch::ext
