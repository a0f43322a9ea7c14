#include "cli/ParGenCheck.h"

#include "lang/ExtraTextNumbers.h"
#include "lang/ExtraTexts.h"
#include "lang/TextList.h"
#include "params/Controllo_Dati.h"
#include "params/ParGenFile.h"

namespace birch::cli {

CheckResult checkParGen(const std::filesystem::path& projectDir)
{
    const std::filesystem::path file = projectDir / "ParGen.xml";
    const ParGenLoad loaded = LoadParGen(file);
    if (loaded.damaged()) {
        const ExtraTexts extra;
        const int text =
            loaded.status == ParGenLoad::Status::Unreadable ? ext::kFileCannotBeRead : ext::kFileCannotBeParsed;
        return {CheckResult::Status::FileError, extra[text] + file.string() + "\n" + loaded.reason};
    }
    if (const auto failure = Controllo_Dati(loaded.record)) {
        TextList texts;
        Load_Default_Texts(texts);
        return {CheckResult::Status::Invalid, texts[failure->message]};
    }
    return {};
}

} // namespace birch::cli
