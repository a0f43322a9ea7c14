#include "FuzzInput.h"

#include "lang/Language.h"
#include "lang/LanguageCheck.h"

#include <string_view>

// A language file, as the program loads it and as the language check reads it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace birch;
    TextList table;
    Load_Default_Texts(table);
    ExtraTexts extra;
    const LanguageFileResult loaded = Load_Language_File(table, extra, fuzz::inputFile("Fuzz.lng", data, size));
    if (table.entries().size() != TextList::kSize)
        fuzz::fail("the text table changed its size");
    if (loaded.status == LanguageFileResult::Status::Unreadable && loaded.reason.empty())
        fuzz::fail("an unreadable language file without a reason");
    checkLanguageFile(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
