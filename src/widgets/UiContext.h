#pragma once

#include "core/AppState.h"
#include "platform/FileWriter.h"
#include "widgets/ModalRunner.h"
#include "widgets/Prompter.h"
#include "widgets/UrlOpener.h"

namespace birch {

// What every window receives at construction: the process-wide state and the seams to the
// desktop. Services with side effects beyond these (pinger, launcher, HTTP) are passed to the
// windows that need them, each on its own.
struct UiContext {
    AppState& state;
    Prompter& prompter;
    UrlOpener& urlOpener;
    ModalRunner& modalRunner;
    FileWriter& fileWriter;
};

} // namespace birch
