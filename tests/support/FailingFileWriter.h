#pragma once

#include "platform/FileWriter.h"

#include <string>
#include <vector>

namespace birch::test {

// A writer that refuses every write, recording what was attempted.
class FailingFileWriter final : public FileWriter {
public:
    explicit FailingFileWriter(std::string reason = "injected failure") : reason_(std::move(reason)) {}

    std::optional<WriteError> write(const std::filesystem::path& target, std::string_view) override
    {
        attempts.push_back(target);
        return WriteError{target, reason_};
    }

    std::vector<std::filesystem::path> attempts;

private:
    std::string reason_;
};

} // namespace birch::test
