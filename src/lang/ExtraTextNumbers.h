#pragma once

namespace birch::ext {

// Files and start-up.
inline constexpr int kFileCannotBeRead = 1;
inline constexpr int kFileCannotBeParsed = 2;
inline constexpr int kFileCannotBeWritten = 3;
inline constexpr int kFileKeptAsBackup = 4;

// Main window and projects.
inline constexpr int kProgramStillRunning = 100;
inline constexpr int kWaitingForProgram = 101;
inline constexpr int kAddressCannotBeOpened = 102;

} // namespace birch::ext
