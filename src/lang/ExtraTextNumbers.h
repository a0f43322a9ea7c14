#pragma once

namespace birch::ext {

// Files and start-up.
inline constexpr int kFileCannotBeRead = 1;
inline constexpr int kFileCannotBeParsed = 2;
inline constexpr int kFileCannotBeWritten = 3;
inline constexpr int kFileKeptAsBackup = 4;

// Options and version check.
inline constexpr int kCheckingForNewVersion = 500;
inline constexpr int kAddressCannotBeOpened = 501;

} // namespace birch::ext
