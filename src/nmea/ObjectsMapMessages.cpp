#include "nmea/ObjectsMapMessages.h"

#include "lang/ExtraTextNumbers.h"
#include "lang/FileNoticeText.h"

namespace birch {

namespace {

std::string withReason(const ExtraTexts& extra, int text, const ObjectsMapSave& save)
{
    return describe(extra, FileNotice{text, save.file, save.reason, false, save.at});
}

std::string unencodable(const ExtraTexts& extra, const ObjectsMapEncodingError& error)
{
    const int text = error.failure.codePoint ? ext::kObjectsMapUnencodable : ext::kObjectsMapNotUtf8;
    return extra[text] + std::to_string(error.row) + ": " + describeFailure(error.failure);
}

} // namespace

std::optional<std::string> objectsMapMessage(const ExtraTexts& extra, const ObjectsMapSave& save)
{
    switch (save.status) {
    case ObjectsMapSave::Status::Written:
        return std::nullopt;
    case ObjectsMapSave::Status::Unreadable:
        return withReason(extra, ext::kObjectsMapSourceUnreadable, save);
    case ObjectsMapSave::Status::Malformed:
        return withReason(extra, ext::kObjectsMapSourceMalformed, save);
    case ObjectsMapSave::Status::Unencodable:
        if (save.unencodable)
            return unencodable(extra, *save.unencodable);
        break;
    case ObjectsMapSave::Status::WriteFailed:
        break;
    }
    return withReason(extra, ext::kObjectsMapNotWritten, save);
}

} // namespace birch
