#pragma once

#include "core/DeviceProfile.h"
#include "platform/FileWriter.h"

#include <filesystem>
#include <optional>
#include <string>

namespace birch {

// Update options of the dialog, by index.
inline constexpr int kUpdateFirmwareAndConfiguration = 0;
inline constexpr int kUpdateFirmware = 1;
inline constexpr int kUpdateConfiguration = 2;

// What the external updater is told to do.
struct UpdateRequest {
    std::string address; // as typed, joined with dots
    int option = kUpdateFirmwareAndConfiguration;
    bool readBack = true;
    std::filesystem::path masterDir;
    std::filesystem::path projectDir;
};

// Ethernet_Update.xml of the active profile, and the same file in the Damson layout.
std::string Compile_XML_Parameter(const UpdateRequest& request);
std::string Compile_XML_Parameter_New_Boot(const UpdateRequest& request);

// The layout of `profile`, written atomically to `file`.
std::optional<WriteError> saveUpdateDescription(const std::filesystem::path& file, DeviceProfile profile,
                                                const UpdateRequest& request, FileWriter& writer);

std::filesystem::path updateDescriptionFile(const std::filesystem::path& appDir);
std::filesystem::path updaterProgram(const std::filesystem::path& appDir);

// The number in `BACnet_Type` under the root of ParGen.xml; 0 when the file, the element or a
// number is missing.
int Get_Type_Dev(const std::filesystem::path& parGenFile);

} // namespace birch
