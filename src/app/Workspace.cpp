#include "app/Workspace.h"

namespace birch {

namespace {

constexpr const char* kWorkspaceName = "birchcfg";

// An environment value counts only when it is an absolute path.
std::optional<std::filesystem::path> absoluteFolder(const std::optional<std::string>& value)
{
    if (!value || value->empty())
        return std::nullopt;
    const std::filesystem::path folder(*value);
    if (!folder.is_absolute())
        return std::nullopt;
    return folder;
}

} // namespace

WorkspaceChoice chooseWorkspace(const WorkspaceInputs& inputs)
{
    if (inputs.explicitFolder)
        return {std::filesystem::absolute(*inputs.explicitFolder).lexically_normal(), {}};
    if (inputs.executableFolderWritable)
        return {inputs.executableFolder, {}};
    if (const auto dataHome = absoluteFolder(inputs.xdgDataHome))
        return {*dataHome / kWorkspaceName, {}};
    if (const auto home = absoluteFolder(inputs.home))
        return {*home / ".local" / "share" / kWorkspaceName, {}};
    return {{},
            "the program's folder " + inputs.executableFolder.string() +
                " cannot be written and neither XDG_DATA_HOME nor HOME names a folder; choose a workspace with "
                "--workspace DIR"};
}

std::filesystem::path shippedLanguageFolder(const std::filesystem::path& executableFolder)
{
    return (executableFolder / BIRCH_SHIPPED_DATA_FROM_BIN / "languages").lexically_normal();
}

} // namespace birch
