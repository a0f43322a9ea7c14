#include "app/StartUp.h"
#include "common/Backup.h"
#include "core/AppState.h"
#include "nmea/ListenerFile.h"
#include "profiles/EtherCatSlaveFile.h"
#include "profiles/MqttTopicFile.h"

#include "FailingFileWriter.h"
#include "FileFaults.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace birch::test {
namespace {

constexpr const char* kDamaged = "<damaged";

TEST(Backup, RenameThatFailsIsReportedAndKeepsTheFile)
{
    TempDir dir;
    writeFixture(dir / "a.xml", kDamaged);
    FileSystemCalls calls = systemFileSystemCalls();
    calls.rename = failWith(EROFS);
    const ScopedFileSystemCalls faulty(calls);
    const BackupResult result = keepBackup(dir / "a.xml");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, std::strerror(EROFS));
    EXPECT_FALSE(result.backup.has_value());
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"a.xml"});
}

// Each save that first keeps a damaged file: when the backup cannot be made, the save stops
// with the reason before anything is written, so the damaged file survives as it was.
struct SaveCase {
    const char* name;
    const char* fileName;
    // Saves `file` (damaged) through `writer` and returns the reason of a failed backup.
    std::function<std::optional<std::string>(const std::filesystem::path& file, FileWriter& writer)> save;
};

class BackupBeforeSave : public testing::TestWithParam<SaveCase> {};

TEST_P(BackupBeforeSave, FailedBackupStopsTheSave)
{
    TempDir dir;
    const auto file = dir / GetParam().fileName;
    writeFixture(file, kDamaged);
    FileSystemCalls calls = systemFileSystemCalls();
    calls.rename = failWith(EROFS);
    FailingFileWriter writer;
    std::optional<std::string> reason;
    {
        const ScopedFileSystemCalls faulty(calls);
        reason = GetParam().save(file, writer);
    }
    ASSERT_TRUE(reason.has_value());
    EXPECT_EQ(*reason, std::strerror(EROFS));
    EXPECT_TRUE(writer.attempts.empty());
    EXPECT_EQ(readAll(file), kDamaged);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{GetParam().fileName});
}

template <typename Save> std::optional<std::string> backupFailure(const Save& save)
{
    if (save.status == decltype(save.status)::BackupFailed)
        return save.reason;
    return std::nullopt;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BackupBeforeSave,
    testing::Values(SaveCase{"Rules", "NMEA_0183_Set_Access.xml",
                             [](const std::filesystem::path& file, FileWriter& writer) {
                                 return backupFailure(saveListenerFile(file, "<NMEA_0183/>", writer, true));
                             }},
                    SaveCase{"Mqtt", "MQTT_Set_Topic.xml",
                             [](const std::filesystem::path& file, FileWriter& writer) {
                                 return backupFailure(saveMqttTopicFile(file, {}, writer, true));
                             }},
                    SaveCase{"EtherCat", "EtherCAT_Slave.xml",
                             [](const std::filesystem::path& file, FileWriter& writer) {
                                 return backupFailure(saveEtherCatSlaveFile(file, {}, writer, true));
                             }},
                    SaveCase{"Settings", "Mosaic.xml",
                             [](const std::filesystem::path& file, FileWriter& writer) -> std::optional<std::string> {
                                 AppState state;
                                 state.AppDir = file.parent_path();
                                 state.SettingsFileDamaged = true;
                                 const auto notice = Save_Setting(state, writer);
                                 if (!notice || !state.SettingsFileDamaged)
                                     return std::nullopt;
                                 return notice->reason;
                             }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace birch::test
