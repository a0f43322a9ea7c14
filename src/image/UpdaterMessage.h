#pragma once

#include "lang/ExtraTexts.h"
#include "platform/ProgramWait.h"

#include <filesystem>
#include <string>

namespace birch {

// What the user is told after the update program was started and waited for: a short notice
// when it ended well; otherwise that it failed, was ended by a signal, could not start, or still
// runs. Nothing it says may look like success unless it was one.
struct UpdaterMessage {
    enum class Kind { Information, Warning, Error };
    Kind kind = Kind::Information;
    std::string text;
};

UpdaterMessage updaterMessage(const ExtraTexts& extra, const std::filesystem::path& program, const ProgramRun& run);

} // namespace birch
