#include "nmea/ReportSourceMessages.h"

#include "lang/ExtraTextNumbers.h"

namespace birch {

namespace {
std::string withReason(const std::string& text, const std::filesystem::path& file, const std::string& reason)
{
    return text + file.string() + "\n" + reason;
}
} // namespace

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
        return withReason(extra[ext::kFileCannotBeRead], file, load.reason);
    case ListenerFileLoad::Status::Malformed:
        break;
    }
    return withReason(extra[ext::kFileCannotBeParsed], file, load.reason);
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
        return withReason(extra[ext::kFileCannotBeRead], file, load.reason);
    case RegisterTableLoad::Status::Malformed:
        break;
    }
    return withReason(extra[ext::kFileCannotBeParsed], file, load.reason);
}

} // namespace birch
