#include "nmea/ReportSourceMessages.h"

#include "lang/ExtraTextNumbers.h"
#include "lang/FileNoticeText.h"

namespace birch {

std::optional<std::string> ruleSourceFailure(const ExtraTexts& extra, const ListenerFileLoad& load,
                                             const std::filesystem::path& file)
{
    switch (load.status) {
    case ListenerFileLoad::Status::Missing:
    case ListenerFileLoad::Status::Ok:
        return std::nullopt;
    case ListenerFileLoad::Status::NoListener:
        return extra[ext::kRuleFileNoListener] + file.string();
    case ListenerFileLoad::Status::Unreadable:
        return describe(extra, FileNotice{ext::kFileCannotBeRead, file, load.reason});
    case ListenerFileLoad::Status::Malformed:
        break;
    }
    return describe(extra, FileNotice{ext::kFileCannotBeParsed, file, load.reason, false, load.at});
}

std::optional<std::string> rulesLeftOutNotice(const ExtraTexts& extra, const ListenerFileLoad& load,
                                              const std::filesystem::path& file)
{
    if (load.notLoaded == 0)
        return std::nullopt;
    return extra[ext::kReportRulesLeftOut] + std::to_string(load.notLoaded) + ", " + file.string();
}

std::optional<std::string> registerSourceFailure(const ExtraTexts& extra, const RegisterTableLoad& load,
                                                 const std::filesystem::path& file)
{
    switch (load.status) {
    case RegisterTableLoad::Status::Ok:
        return std::nullopt;
    case RegisterTableLoad::Status::Unreadable:
        return describe(extra, FileNotice{ext::kFileCannotBeRead, file, load.reason});
    case RegisterTableLoad::Status::Malformed:
        break;
    }
    return describe(extra, FileNotice{ext::kFileCannotBeParsed, file, load.reason, false, load.at});
}

} // namespace birch
