#pragma once

#include <string>
#include <vector>

namespace birch {

// The numbered user-interface texts (`TextTable`): exactly 1600 entries, entry N is text N.
class TextList {
public:
    static constexpr int kSize = 1600;

    TextList();

    // Entry `number`; a number outside 0..1599 yields a single blank, like an unused entry.
    const std::string& operator[](int number) const;
    void set(int number, std::string text);
    const std::vector<std::string>& entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
};

// Empties the table and fills it with the 1600 English defaults, in number order.
void Load_Default_Texts(TextList& table);

} // namespace birch
