#pragma once

namespace birch::ext {

// Files and start-up.
inline constexpr int kFileCannotBeRead = 1;
inline constexpr int kFileCannotBeParsed = 2;
inline constexpr int kFileCannotBeWritten = 3;
inline constexpr int kFileKeptAsBackup = 4;

// Image and update.
inline constexpr int kImageSourceMalformed = 400;
inline constexpr int kImageSourceUnreadable = 401;
inline constexpr int kImageNotWritten = 402;
inline constexpr int kImageRulesLeftOut = 403;
inline constexpr int kEchoUnavailable = 404;
inline constexpr int kUpdaterNotStarted = 405;
inline constexpr int kCheckingDevice = 406;
inline constexpr int kDescriptionNotWritten = 407;

} // namespace birch::ext
