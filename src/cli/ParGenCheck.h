#pragma once

#include "cli/ProjectCheck.h"

namespace birch::cli {

// ParGen.xml as the parameter window would judge it on OK; a missing file is the defaults.
CheckResult checkParGen(const std::filesystem::path& projectDir, const CliTexts& texts);

} // namespace birch::cli
