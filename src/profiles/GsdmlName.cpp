#include "profiles/GsdmlName.h"

#include "common/TextUtil.h"

#include <cstdio>

namespace birch {

std::string gsdmlFixedPart2(const CalendarDate& date)
{
    char text[32];
    std::snprintf(text, sizeof text, "-%04d%02d%02d.xml", date.year, date.month, date.day);
    return text;
}

std::string Compose_GSDML_Name(std::string_view userPart, std::string_view fixedPart2)
{
    std::string name(kGsdmlFixedPart1);
    if (!trimBlanks(userPart).empty()) {
        if (userPart.front() != '_')
            name += '_';
        name += userPart;
    }
    name += fixedPart2;
    return name;
}

std::filesystem::path gsdmlTarget(const std::filesystem::path& chosen, std::string_view name)
{
    return chosen.parent_path() / std::filesystem::path(std::string(name));
}

bool isPlainFileName(std::string_view name)
{
    return name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

std::string gsdmlFilterMask(std::string_view name)
{
    constexpr std::string_view kKept = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_.,+#@{}!$%&=^~-";
    std::string mask;
    for (const char c : name) {
        if (kKept.find(c) != std::string_view::npos)
            mask += c;
        else if (mask.empty() || mask.back() != '*')
            mask += '*';
    }
    return mask;
}

} // namespace birch
