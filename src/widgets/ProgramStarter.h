#pragma once

#include "platform/ProgramWait.h"

#include <filesystem>
#include <string>

namespace birch {

// Starts an external program and waits for it (the main window's `Start_Program`). The update
// dialog reaches it through this seam so its tests can use a stand-in.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // `NomeSW` the program file, `Parameter` its arguments (may be empty), `tipo` start hidden.
    // Returns why the program could not be started, or how the wait for it ended.
    virtual ProgramRun Start_Program(const std::filesystem::path& NomeSW, const std::string& Parameter, bool tipo) = 0;
};

} // namespace birch
