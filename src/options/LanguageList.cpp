#include "options/LanguageList.h"

#include "common/TextUtil.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace birch {

namespace {

constexpr std::string_view kExtension = ".lng";

bool isLanguageFile(const std::filesystem::directory_entry& entry)
{
    const std::string fileName = entry.path().filename().string();
    if (fileName.size() <= kExtension.size() || !fileName.ends_with(kExtension))
        return false;
    std::error_code ec;
    const auto status = entry.symlink_status(ec);
    if (ec || status.type() != std::filesystem::file_type::regular)
        return false;
    // A file its owner may not write is what counts as read-only here.
    if ((status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
        return false;
    return std::ifstream(entry.path(), std::ios::binary).is_open();
}

} // namespace

std::vector<std::string> Create_Lang_List(const std::filesystem::path& languageDir)
{
    std::vector<std::string> SL_Languages;
    std::error_code ec;
    std::filesystem::directory_iterator it(languageDir, ec);
    if (ec)
        return SL_Languages;
    const std::filesystem::directory_iterator end;
    while (it != end) {
        if (isLanguageFile(*it))
            SL_Languages.push_back(it->path().filename().string());
        it.increment(ec);
        if (ec)
            break;
    }
    // Names equal but for case keep a fixed order.
    std::sort(SL_Languages.begin(), SL_Languages.end(), [](const std::string& a, const std::string& b) {
        if (lessIgnoringAsciiCase(a, b))
            return true;
        if (lessIgnoringAsciiCase(b, a))
            return false;
        return a < b;
    });
    return SL_Languages;
}

std::string Language_Name(const std::string& fileName)
{
    return fileName.size() >= kExtension.size() ? fileName.substr(0, fileName.size() - kExtension.size())
                                                : std::string();
}

std::vector<std::string> Language_Choices(const std::vector<std::string>& SL_Languages)
{
    if (SL_Languages.empty())
        return {kBuiltInLanguage};
    std::vector<std::string> names;
    names.reserve(SL_Languages.size());
    for (const auto& fileName : SL_Languages)
        names.push_back(Language_Name(fileName));
    return names;
}

int Lang_Page_Count(int count)
{
    return (count + kLangSlots - 1) / kLangSlots;
}

LangPage Lang_Page(const std::vector<std::string>& choices, int Num_Page)
{
    LangPage page;
    const int count = static_cast<int>(choices.size());
    page.pageCount = Lang_Page_Count(count);
    page.page = std::clamp(Num_Page, 1, std::max(page.pageCount, 1));
    page.prevVisible = page.page != 1;
    page.nextVisible = page.page != page.pageCount;
    const int first = (page.page - 1) * kLangSlots;
    const int shown = std::clamp(count - first, 0, kLangSlots);
    for (int i = 0; i < shown; ++i)
        page.names.push_back(choices[static_cast<std::size_t>(first + i)]);
    return page;
}

std::vector<std::filesystem::path> Lang_Pictures(const std::filesystem::path& languageDir, const std::string& name)
{
    std::vector<std::filesystem::path> pictures;
    for (const auto& candidate : {languageDir / (name + ".bmp"), languageDir / "DefaultFlag.bmp"}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec))
            pictures.push_back(candidate);
    }
    return pictures;
}

} // namespace birch
