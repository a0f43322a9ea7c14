#pragma once

#include "core/DeviceProfile.h"
#include "lang/ExtraTexts.h"
#include "lang/TextList.h"
#include "nmea/Catalog.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace birch {

inline constexpr const char* kDefaultIpAddress = "192.168.2.205";

// The process-wide values, under the names the system gives them. `main` owns the one
// instance and hands it to every window; tests make their own.
struct AppState {
    std::filesystem::path AppDir;
    std::filesystem::path MasterDir;
    std::filesystem::path ProjectsDir;
    std::filesystem::path LanguageDir;

    std::string ProjectName;
    std::filesystem::path ProjectDir; // empty while no project is active
    std::filesystem::path ParGenFile;
    std::filesystem::path NmeaAccessFile;
    std::filesystem::path MqttTopicFile;
    std::filesystem::path EtherCatSlaveFile;

    std::string LastIpAddress = kDefaultIpAddress;
    std::string LanguageName = "English";
    // The language the texts are in now: `LanguageName` after start-up, the chosen one after a
    // switch that the options dialog has not confirmed yet, "English" when a file was missing.
    std::string TextsLanguage = "English";
    bool EnableInternet = false;
    bool EnableUpdateCheck = false;
    bool JumpFieldOnEnter = false;
    bool DoubleClickAutoSize = false;
    // Mosaic.xml existed at start but could not be read or parsed: it is kept as a backup
    // before the next save replaces it.
    bool SettingsFileDamaged = false;
    bool ReadBackOption = true;
    int UpdateOptionIndex = 0;

    TextList TextTable;
    ExtraTexts Extra;

    std::vector<std::string> CopyBuffer;
    std::vector<bool> CheckBoxColumns;

    // Built at the very end of start-up; read-only from then on.
    std::optional<Catalog> NMEA0183;

    DeviceProfile Profile = kDefaultProfile;

    bool projectActive() const { return !ProjectDir.empty(); }
};

} // namespace birch
