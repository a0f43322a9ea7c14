#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace birch::fuzz {

// The readers take a path: the input becomes the file `name` in a private folder (in memory
// where the system offers one), replaced whole for each input.
std::filesystem::path inputFile(std::string_view name, const std::uint8_t* data, std::size_t size);

// A broken promise of the code under test: reported and turned into a crash the fuzzer keeps.
[[noreturn]] void fail(std::string_view what);

} // namespace birch::fuzz
