#pragma once

namespace birch::cli {

// Exit codes shared by every subcommand.
inline constexpr int kSuccess = 0;
inline constexpr int kInvalidContent = 1; // the checked content is invalid
inline constexpr int kUsageError = 2;
inline constexpr int kFileError = 3; // a file cannot be read, parsed or written

} // namespace birch::cli
