#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace birch {

inline constexpr int kLangSlots = 6;
inline constexpr const char* kBuiltInLanguage = "English";

// The language files of `languageDir`: names of regular files ending in ".lng" that can be read
// and are not read-only (the owner may write them), sorted ignoring letter case. Symbolic links,
// folders and other entries are skipped, as is a file named just ".lng". A missing folder gives
// an empty list.
std::vector<std::string> Create_Lang_List(const std::filesystem::path& languageDir);

// A language's name: its file name without the last four characters.
std::string Language_Name(const std::string& fileName);

// The languages to offer: the names of `SL_Languages`, or the built-in English alone when there
// is no language file at all.
std::vector<std::string> Language_Choices(const std::vector<std::string>& SL_Languages);

// The page count for `count` languages: (count + 5) div 6.
int Lang_Page_Count(int count);

// What page `Num_Page` of `choices` shows.
struct LangPage {
    int page = 1;
    int pageCount = 0;
    bool prevVisible = false;
    bool nextVisible = false;
    std::vector<std::string> names; // the languages of the visible slots, slot 1 first
};
LangPage Lang_Page(const std::vector<std::string>& choices, int Num_Page);

// The pictures to try for a language, in order: "<name>.bmp", then "DefaultFlag.bmp", each only
// when it exists. Empty: the slot shows no picture.
std::vector<std::filesystem::path> Lang_Pictures(const std::filesystem::path& languageDir, const std::string& name);

} // namespace birch
