#include "app/StartUp.h"

#include "app/Settings.h"
#include "app/Workspace.h"
#include "common/Backup.h"
#include "core/ProjectFiles.h"
#include "lang/ExtraTextNumbers.h"
#include "lang/Language.h"
#include "lang/ShippedLanguages.h"

#include <system_error>

namespace birch {

namespace {

void createFolder(const std::filesystem::path& folder)
{
    // One level only; a folder that cannot be created makes later file operations in it fail
    // where they happen.
    std::error_code ec;
    std::filesystem::create_directory(folder, ec);
}

void applySettings(AppState& state, const Settings& settings)
{
    state.ProjectName = settings.ProjectName;
    state.LastIpAddress = settings.LastIpAddress;
    state.LanguageName = settings.LanguageName;
    state.EnableInternet = settings.EnableInternet;
    state.EnableUpdateCheck = settings.EnableUpdateCheck;
    state.JumpFieldOnEnter = settings.JumpFieldOnEnter;
    state.DoubleClickAutoSize = settings.DoubleClickAutoSize;
}

Settings settingsOf(const AppState& state)
{
    Settings settings;
    settings.ProjectName = state.ProjectName;
    settings.LastIpAddress = state.LastIpAddress;
    settings.LanguageName = state.LanguageName;
    settings.EnableInternet = state.EnableInternet;
    settings.EnableUpdateCheck = state.EnableUpdateCheck;
    settings.JumpFieldOnEnter = state.JumpFieldOnEnter;
    settings.DoubleClickAutoSize = state.DoubleClickAutoSize;
    return settings;
}

// A remembered name is a project only as one folder directly inside PROJECTS.
bool isProjectFolder(const AppState& state, const std::string& name)
{
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos)
        return false;
    std::error_code ec;
    return std::filesystem::is_directory(state.ProjectsDir / name, ec);
}

std::filesystem::path settingsFile(const AppState& state)
{
    return state.AppDir / kSettingsFileName;
}

} // namespace

std::vector<FileNotice> Start_Up(AppState& state, const StartFolders& folders, FileWriter& writer)
{
    const std::filesystem::path& appDir = folders.workspace;
    state.AppDir = appDir;
    state.MasterDir = appDir / kMasterFolderName;
    state.ProjectsDir = appDir / kProjectsFolderName;
    state.LanguageDir = appDir / kLanguageFolderName;
    // A workspace in the user's data folder may not exist yet, nor its parents. Like the three
    // folders in it, one that cannot be created shows where a later file operation fails.
    std::error_code ec;
    std::filesystem::create_directories(appDir, ec);
    createFolder(state.MasterDir);
    createFolder(state.ProjectsDir);
    createFolder(state.LanguageDir);
    // Before the language is loaded, so a first start already finds them.
    std::vector<FileNotice> notices = Copy_Shipped_Languages(folders.shippedLanguages, state.LanguageDir, writer);

    state.ProjectName.clear();
    state.ProjectDir.clear();
    state.ReadBackOption = true;
    state.UpdateOptionIndex = 0;

    const SettingsReadResult settings = readSettingsFile(settingsFile(state));
    applySettings(state, settings.values);
    state.SettingsFileDamaged = settings.status == SettingsReadResult::Status::Damaged;
    if (state.SettingsFileDamaged)
        notices.push_back(
            FileNotice{ext::kFileCannotBeParsed, settingsFile(state), settings.reason, true, settings.at});

    if (auto notice = Load_Language(state))
        notices.push_back(std::move(*notice));

    // A remembered project whose folder is gone stays in ProjectName, so it is written back
    // and tried again at the next start.
    if (isProjectFolder(state, state.ProjectName))
        state.ProjectDir = state.ProjectsDir / state.ProjectName;

    Set_Files(state);
    state.CopyBuffer.clear();
    return notices;
}

void Set_Files(AppState& state)
{
    state.ParGenFile = state.ProjectDir / kParGenFileName;
    state.NmeaAccessFile = state.ProjectDir / kRuleFileName;
    state.MqttTopicFile = state.ProjectDir / kMqttTopicFileName;
    state.EtherCatSlaveFile = state.ProjectDir / kEtherCatSlaveFileName;
}

std::optional<FileNotice> Save_Setting(AppState& state, FileWriter& writer)
{
    const std::filesystem::path file = settingsFile(state);
    if (state.SettingsFileDamaged) {
        const BackupResult backup = keepBackup(file);
        if (!backup.ok())
            return FileNotice{ext::kFileCannotBeWritten, file, backup.error};
        state.SettingsFileDamaged = false;
    }
    if (auto error = writer.write(file, serializeSettings(settingsOf(state))))
        return FileNotice{ext::kFileCannotBeWritten, error->file, error->reason};
    return std::nullopt;
}

} // namespace birch
