#pragma once

#include <functional>

namespace CLI {
class App;
}

namespace birch::cli {

// A subcommand: its CLI11 node, and what runs when it was given (returns the exit code).
struct Command {
    CLI::App* app = nullptr;
    std::function<int()> run;
};

} // namespace birch::cli
