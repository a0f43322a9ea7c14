#include "lang/TextList.h"

#include "lang/DefaultTexts.h"

namespace birch {

namespace {
const std::string kBlank = " ";
}

TextList::TextList() : entries_(kSize, kBlank) {}

const std::string& TextList::operator[](int number) const
{
    if (number < 0 || number >= kSize)
        return kBlank;
    return entries_[static_cast<std::size_t>(number)];
}

void TextList::set(int number, std::string text)
{
    if (number < 0 || number >= kSize)
        return;
    entries_[static_cast<std::size_t>(number)] = std::move(text);
}

void Load_Default_Texts(TextList& table)
{
    table = TextList();
    for (const auto& entry : kDefaultTexts)
        table.set(entry.number, std::string(entry.text));
}

} // namespace birch
