#include "lang/ExtraTexts.h"

#include "lang/ExtraTextNumbers.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace birch {

namespace {

struct ExtraDefault {
    int number;
    std::string_view text;
};

// English defaults. Keep each subsystem's entries in its own section.
constexpr std::array kExtraDefaults = {
    // Files and start-up (1-99).
    ExtraDefault{ext::kFileCannotBeRead, "The file cannot be read: "},
    ExtraDefault{ext::kFileCannotBeParsed, "The file is damaged and was not loaded: "},
    ExtraDefault{ext::kFileCannotBeWritten, "The file cannot be written: "},
    ExtraDefault{ext::kFileKeptAsBackup, "The damaged file will be kept as a backup before it is replaced: "},
    ExtraDefault{ext::kCaptionOk, "OK"},
    ExtraDefault{ext::kCaptionCancel, "Cancel"},
    ExtraDefault{ext::kCaptionYes, "Yes"},
    ExtraDefault{ext::kCaptionNo, "No"},
    ExtraDefault{ext::kAtLine, "Line "},
    ExtraDefault{ext::kAtColumn, ", column "},

    // Main window and projects (100-199).
    ExtraDefault{ext::kProgramStillRunning, "The program started earlier is still running."},
    ExtraDefault{ext::kWaitingForProgram, "Waiting for the program to end: "},
    ExtraDefault{ext::kNoProjectYet, "There is no configuration yet. Cancel this window and click New "
                                     "Configuration to create one."},
    ExtraDefault{ext::kNameHasSeparator, "The name cannot contain \"/\": it would name a folder inside another one."},
    ExtraDefault{ext::kNameHasNul, "The name cannot contain a NUL character."},
    ExtraDefault{ext::kNameStartsWithDot,
                 "The name cannot begin with \".\": such a folder is hidden and would not be listed."},
    ExtraDefault{ext::kNameTooLong, "The name is too long for the file system. Bytes in the name: "},
    ExtraDefault{ext::kNameTooLongLimit, ", at most: "},
    ExtraDefault{ext::kFolderNotCreated, "The folder cannot be created: "},

    // Parameters (200-299).
    ExtraDefault{ext::kParGenNotLoaded,
                 "The communication parameters cannot be loaded, so the window shows the default "
                 "values. OK keeps the old file as a backup before saving: "},
    ExtraDefault{ext::kParGenBackupFailed, "The damaged parameter file cannot be kept as a backup, so nothing was "
                                           "saved: "},

    // Sentence rules and tables (300-399).
    ExtraDefault{ext::kRuleFileNoListener, "The rule file has no NMEA_Listener element and no rule was loaded: "},
    ExtraDefault{ext::kRulesNotLoaded,
                 "The rule file holds more rules than the 100 rows of the table; rules not loaded: "},
    ExtraDefault{ext::kRulesDroppedOnSave, ". OK will save the file without them: "},
    ExtraDefault{ext::kRuleFileBackupFailed,
                 "The damaged rule file could not be kept as a backup and was not replaced: "},
    ExtraDefault{ext::kObjectsMapUnencodable, "The objects map was not written: the Windows-1252 code page has no "
                                              "place for a character of the rule in row "},
    ExtraDefault{ext::kObjectsMapNotUtf8,
                 "The objects map was not written: the rule file holds bytes that are not UTF-8 in row "},
    ExtraDefault{ext::kObjectsMapSourceUnreadable, "The objects map was not written. This rule file cannot be read: "},
    ExtraDefault{ext::kObjectsMapSourceMalformed, "The objects map was not written. This rule file is damaged: "},
    ExtraDefault{ext::kObjectsMapNotWritten, "The objects map cannot be written: "},
    ExtraDefault{ext::kRowsNotSavedBelow, "The rules are saved down to the first row without a sentence, row "},
    ExtraDefault{ext::kRowsNotSavedList, ". These rows below it are not empty and will not be saved: "},
    ExtraDefault{ext::kRowsNotSavedQuestion, ". Save without them?"},
    // Data-area map, register map and capture check (340-369).
    ExtraDefault{ext::kMapByte, "Byte "},
    ExtraDefault{ext::kMapRegister, ", register "},
    ExtraDefault{ext::kMapFree, ": free"},
    ExtraDefault{ext::kMapRow, "Row "},
    ExtraDefault{ext::kOverlapWarning, "Enabled rules fill the same bytes of the data area:"},
    ExtraDefault{ext::kOverlapRows, "Rows "},
    ExtraDefault{ext::kOverlapAnd, " and "},
    ExtraDefault{ext::kOverlapBytes, ": bytes "},
    ExtraDefault{ext::kOverlapSaveAnyway, "Save anyway? Yes saves the rules as they are; No goes back to the table."},
    ExtraDefault{ext::kExportButton, "Export..."},
    ExtraDefault{ext::kExportCaption, "Export the register map (CSV, Markdown or HTML)"},
    ExtraDefault{ext::kCaptureButton, "Check against capture..."},
    ExtraDefault{ext::kCaptureTitle, "Check the rules against an NMEA 0183 capture"},
    ExtraDefault{ext::kCaptureFile, "Capture file:"},
    ExtraDefault{ext::kCaptureBrowse, "Browse..."},
    ExtraDefault{ext::kCaptureCheckFile, "Check the file"},
    ExtraDefault{ext::kCaptureDevice, "Serial port of this computer:"},
    ExtraDefault{ext::kCaptureChannel, "Channel of the device:"},
    ExtraDefault{ext::kCaptureSeconds, "Seconds:"},
    ExtraDefault{ext::kCaptureListen, "Listen"},
    ExtraDefault{ext::kCaptureListening, "Listening on the serial port: "},
    ExtraDefault{ext::kCapturePortNotOpened, "The serial port cannot be opened: "},
    ExtraDefault{ext::kCaptureSeen, "seen"},
    ExtraDefault{ext::kCaptureNeverSeen, "never seen"},
    ExtraDefault{ext::kCaptureAllChannels, "All channels"},
    ExtraDefault{ext::kCaptureVerdict, "Capture: "},
    ExtraDefault{ext::kCapturePortSettings, "Settings from ParGen.xml: "},
    ExtraDefault{ext::kCapturePortError, "Listening stopped: the serial port reported an error: "},
    ExtraDefault{
        ext::kReportRulesLeftOut,
        "The rule file holds more rules than the 100 rows of the table; the first 100 are used. Rules left out: "},
    ExtraDefault{
        ext::kMapLegend,
        "Hatched: bytes filled by two rules or more. Point at a byte to see its rules; click it to select the row."},

    // Image and update (400-499).
    ExtraDefault{ext::kImageSourceMalformed,
                 "The device image was not built and the update does not start. This file is damaged: "},
    ExtraDefault{ext::kImageSourceUnreadable,
                 "The device image was not built and the update does not start. This file cannot be read: "},
    ExtraDefault{ext::kImageNotWritten, "The device image cannot be written, so the update does not start: "},
    ExtraDefault{ext::kImageRulesLeftOut,
                 "The device image holds at most 128 rules. Rules left out because they did not fit: "},
    ExtraDefault{ext::kEchoUnavailable,
                 "An ICMP echo cannot be sent on this machine, so the device cannot be checked. Allow echo "
                 "sockets for your group (for example: sysctl net.ipv4.ping_group_range=\"0 2147483647\") or "
                 "install the ping program (package iputils-ping). Reason: "},
    ExtraDefault{ext::kUpdaterNotStarted, "The update program cannot be started: "},
    ExtraDefault{ext::kCheckingDevice, "Checking that the device answers..."},
    ExtraDefault{ext::kDescriptionNotWritten,
                 "The update description cannot be written, so the update program was not started: "},
    ExtraDefault{ext::kUpdaterFinished, "The update program has finished."},
    ExtraDefault{ext::kUpdaterFailed,
                 "The update program reported a failure, so the device may not have been updated. Exit status: "},
    ExtraDefault{ext::kUpdaterSignalled,
                 "The update program was stopped by a signal, so the device may not have been updated. Signal: "},
    ExtraDefault{ext::kUpdaterStillRunning,
                 "The update program is still running. The configurator no longer waits for it and cannot tell "
                 "whether the update succeeded; its own window shows the result: "},
    ExtraDefault{ext::kUpdaterEndUnknown,
                 "The update program has ended, but how it ended is not known, so the device may not have been "
                 "updated."},
    ExtraDefault{ext::kEchoOutsideReach,
                 "The device address is outside what this run may reach: the environment variable "
                 "BIRCH_LOOPBACK_ONLY is set, so only addresses 127.0.0.0/8 are contacted. Address: "},

    // Options and version check (500-599).
    ExtraDefault{ext::kCheckingForNewVersion, "Checking for a newer version..."},
    ExtraDefault{ext::kAddressCannotBeOpened, "The address cannot be opened in the web browser: "},

    // Sibling profiles (600-699); the PROFINET GSDML file (600-609).
    ExtraDefault{ext::kGsdmlNameHasFolder, "The PROFINET GSDML file name cannot contain \"/\": "},
    ExtraDefault{ext::kGsdmlSourceMalformed, "The GSDML file was not written. This file is damaged: "},
    ExtraDefault{ext::kGsdmlSourceUnreadable, "The GSDML file was not written. This file cannot be read: "},
    ExtraDefault{ext::kGsdmlBytesNeeded,
                 "The sentence rules need more PROFINET input bytes than the device has. Bytes needed: "},
    ExtraDefault{ext::kGsdmlBytesOfDevice, ", bytes of the device: "},
    ExtraDefault{ext::kGsdmlModulesMarked,
                 ". The GSDML file is written all the same; the input modules that do not fit are marked in it: "},
    ExtraDefault{ext::kGsdmlNoRules, "The objects map lists no enabled sentence rule, so the GSDML file describes the "
                                     "device without input modules."},
    // EtherCAT variables and the ESI file (630-649).
    ExtraDefault{ext::kEtherCatElementMissing,
                 "The EtherCAT variables file lacks the element named on the next line, so it was loaded only "
                 "in part: "},
    ExtraDefault{ext::kEtherCatRowsNotLoaded,
                 "The EtherCAT variables file holds more variables than the 256 rows of a table; variables not "
                 "loaded: "},
    ExtraDefault{ext::kEtherCatRowsDroppedOnSave, ". OK will save the file without them: "},
    ExtraDefault{ext::kEtherCatMasterToSlaveDropped,
                 "The file holds master-to-slave variables, which this window does not show; OK saves the file "
                 "without them. Variables that would be removed: "},
    ExtraDefault{ext::kEtherCatSaveAnyway, "Save anyway?"},
    ExtraDefault{ext::kEtherCatPastDataArea, "Variables that run past the end of the 2000-byte data area, by row: "},
    ExtraDefault{ext::kEtherCatSavedAsTheyAre, "The file is saved with them as they are."},
    ExtraDefault{ext::kEtherCatBackupFailed,
                 "The damaged EtherCAT variables file could not be kept as a backup and was not replaced: "},
    ExtraDefault{ext::kEsiElementMissing,
                 "The ESI file was not written. The EtherCAT variables file lacks the element named on the next "
                 "line: "},
    ExtraDefault{ext::kEsiSourceMalformed, "The ESI file was not written. This file is damaged: "},
    ExtraDefault{ext::kEsiSourceUnreadable, "The ESI file was not written. This file cannot be read: "},
    // MQTT topics (610-629).
    ExtraDefault{ext::kMqttStoppedAtRow, "Loading stopped at row "},
    ExtraDefault{ext::kMqttStoppedInList, " of "},
    ExtraDefault{ext::kMqttRowLacksAttribute, ": the row lacks the attribute "},
    ExtraDefault{ext::kMqttNoListElement, "Loading stopped: the topic file has no element "},
    ExtraDefault{ext::kMqttLoadedUpToThere,
                 ". The tables hold only what stands before that point; OK keeps the file as a backup and saves "
                 "the tables without the rest: "},
    ExtraDefault{ext::kMqttRowsNotLoaded, "The topic file holds more rows than the 1024 of a table. Rows not loaded: "},
    ExtraDefault{ext::kMqttRowsDroppedOnSave, ". OK will save the file without them: "},
    ExtraDefault{ext::kMqttHiddenSubscribeRow,
                 "This row is in the subscribe list read from the file, which this window does not show. OK saves "
                 "the file without that list."},
    ExtraDefault{ext::kMqttSaveWithoutSubscribe, "Save the file without the subscribe list?"},
    ExtraDefault{ext::kMqttSubscribeRowsInFile,
                 "The subscribe list read from the file holds rows this window does not show: "},
    ExtraDefault{ext::kMqttSubscribeNotSaved, ". OK saves the file without them."},
    ExtraDefault{ext::kMqttBackupFailed, "The damaged topic file could not be kept as a backup and was not replaced: "},
    ExtraDefault{ext::kMqttKeywordValue, "The value at the row's Position in the data area"},
};

const std::string kEmpty;

} // namespace

ExtraTexts::ExtraTexts()
{
    reset();
}

const std::string& ExtraTexts::operator[](int number) const
{
    const auto it = texts_.find(number);
    return it == texts_.end() ? kEmpty : it->second;
}

void ExtraTexts::set(int number, std::string text)
{
    if (known(number))
        texts_[number] = std::move(text);
}

void ExtraTexts::reset()
{
    texts_.clear();
    for (const auto& entry : kExtraDefaults)
        texts_[entry.number] = std::string(entry.text);
}

std::vector<int> ExtraTexts::numbers()
{
    std::vector<int> all;
    for (const auto& entry : kExtraDefaults)
        all.push_back(entry.number);
    std::sort(all.begin(), all.end());
    return all;
}

bool ExtraTexts::known(int number)
{
    for (const auto& entry : kExtraDefaults)
        if (entry.number == number)
            return true;
    return false;
}

} // namespace birch
