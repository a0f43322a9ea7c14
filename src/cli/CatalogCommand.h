#pragma once

#include "cli/Command.h"

namespace birch::cli {

// `catalog [--json]`: the sentence catalog, as a readable table or as one JSON array of
// {"number","name","offered","fields":[{"number","text","size"}]}.
Command addCatalogCommand(CLI::App& parent);

} // namespace birch::cli
