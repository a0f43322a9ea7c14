#pragma once

namespace birch::ext {

// Files and start-up.
inline constexpr int kFileCannotBeRead = 1;
inline constexpr int kFileCannotBeParsed = 2;
inline constexpr int kFileCannotBeWritten = 3;
inline constexpr int kFileKeptAsBackup = 4;

// Button captions of the message boxes.
inline constexpr int kCaptionOk = 5;
inline constexpr int kCaptionCancel = 6;
inline constexpr int kCaptionYes = 7;
inline constexpr int kCaptionNo = 8;

// Where the parser stopped in a damaged file.
inline constexpr int kAtLine = 9;
inline constexpr int kAtColumn = 10;

// Main window and projects.
inline constexpr int kProgramStillRunning = 100;
inline constexpr int kWaitingForProgram = 101;
inline constexpr int kNoProjectYet = 102;
inline constexpr int kNameHasSeparator = 103;
inline constexpr int kNameHasNul = 104;
inline constexpr int kNameStartsWithDot = 105;
inline constexpr int kNameTooLong = 106;
inline constexpr int kNameTooLongLimit = 107;
inline constexpr int kFolderNotCreated = 108;

// Parameters.
inline constexpr int kParGenNotLoaded = 200;
inline constexpr int kParGenBackupFailed = 201;

// Sentence rules (300-349).
inline constexpr int kRuleFileNoListener = 300;
inline constexpr int kRulesNotLoaded = 301;
inline constexpr int kRulesDroppedOnSave = 302;
inline constexpr int kRuleFileBackupFailed = 303;

// Objects map export (310-319).
inline constexpr int kObjectsMapUnencodable = 310;
inline constexpr int kObjectsMapNotUtf8 = 311;
inline constexpr int kObjectsMapSourceUnreadable = 312;
inline constexpr int kObjectsMapSourceMalformed = 313;
inline constexpr int kObjectsMapNotWritten = 314;

// Rows a rule table does not save (330-339).
inline constexpr int kRowsNotSavedBelow = 330;
inline constexpr int kRowsNotSavedList = 331;
inline constexpr int kRowsNotSavedQuestion = 332;
// Data-area map, register map and capture check (340-369).
inline constexpr int kMapByte = 340;
inline constexpr int kMapRegister = 341;
inline constexpr int kMapFree = 342;
inline constexpr int kMapRow = 343;
inline constexpr int kOverlapWarning = 344;
inline constexpr int kOverlapRows = 345;
inline constexpr int kOverlapAnd = 346;
inline constexpr int kOverlapBytes = 347;
inline constexpr int kOverlapSaveAnyway = 348;
inline constexpr int kExportButton = 349;
inline constexpr int kExportCaption = 350;
inline constexpr int kCaptureButton = 351;
inline constexpr int kCaptureTitle = 352;
inline constexpr int kCaptureFile = 353;
inline constexpr int kCaptureBrowse = 354;
inline constexpr int kCaptureCheckFile = 355;
inline constexpr int kCaptureDevice = 356;
inline constexpr int kCaptureChannel = 357;
inline constexpr int kCaptureSeconds = 358;
inline constexpr int kCaptureListen = 359;
inline constexpr int kCaptureListening = 360;
inline constexpr int kCapturePortNotOpened = 361;
inline constexpr int kCaptureSeen = 362;
inline constexpr int kCaptureNeverSeen = 363;
inline constexpr int kCaptureAllChannels = 364;
inline constexpr int kCaptureVerdict = 365;
inline constexpr int kCapturePortSettings = 366;
inline constexpr int kCapturePortError = 367;
inline constexpr int kReportRulesLeftOut = 368;
inline constexpr int kMapLegend = 369;

// Image and update.
inline constexpr int kImageSourceMalformed = 400;
inline constexpr int kImageSourceUnreadable = 401;
inline constexpr int kImageNotWritten = 402;
inline constexpr int kImageRulesLeftOut = 403;
inline constexpr int kEchoUnavailable = 404;
inline constexpr int kUpdaterNotStarted = 405;
inline constexpr int kCheckingDevice = 406;
inline constexpr int kDescriptionNotWritten = 407;
inline constexpr int kUpdaterFinished = 408;
inline constexpr int kUpdaterFailed = 409;
inline constexpr int kUpdaterSignalled = 410;
inline constexpr int kUpdaterStillRunning = 411;
inline constexpr int kUpdaterEndUnknown = 412;
inline constexpr int kEchoOutsideReach = 413;

// Options and version check.
inline constexpr int kCheckingForNewVersion = 500;
inline constexpr int kAddressCannotBeOpened = 501;

// Sibling profiles (600-699).
inline constexpr int kGsdmlNameHasFolder = 600;
inline constexpr int kGsdmlSourceMalformed = 601;
inline constexpr int kGsdmlSourceUnreadable = 602;
inline constexpr int kGsdmlBytesNeeded = 603;
inline constexpr int kGsdmlBytesOfDevice = 604;
inline constexpr int kGsdmlModulesMarked = 605;
inline constexpr int kGsdmlNoRules = 606;
// EtherCAT variables and the ESI file (630-649).
inline constexpr int kEtherCatElementMissing = 630;
inline constexpr int kEtherCatRowsNotLoaded = 631;
inline constexpr int kEtherCatRowsDroppedOnSave = 632;
inline constexpr int kEtherCatMasterToSlaveDropped = 633;
inline constexpr int kEtherCatSaveAnyway = 634;
inline constexpr int kEtherCatPastDataArea = 635;
inline constexpr int kEtherCatSavedAsTheyAre = 636;
inline constexpr int kEtherCatBackupFailed = 637;
inline constexpr int kEsiElementMissing = 640;
inline constexpr int kEsiSourceMalformed = 641;
inline constexpr int kEsiSourceUnreadable = 642;
// MQTT topics (610-629).
inline constexpr int kMqttStoppedAtRow = 610;
inline constexpr int kMqttStoppedInList = 611;
inline constexpr int kMqttRowLacksAttribute = 612;
inline constexpr int kMqttNoListElement = 613;
inline constexpr int kMqttLoadedUpToThere = 614;
inline constexpr int kMqttRowsNotLoaded = 615;
inline constexpr int kMqttRowsDroppedOnSave = 616;
inline constexpr int kMqttHiddenSubscribeRow = 617;
inline constexpr int kMqttSaveWithoutSubscribe = 618;
inline constexpr int kMqttSubscribeRowsInFile = 619;
inline constexpr int kMqttSubscribeNotSaved = 620;
inline constexpr int kMqttBackupFailed = 621;
inline constexpr int kMqttKeywordValue = 622;

} // namespace birch::ext
