#pragma once

#include <map>
#include <string>
#include <vector>

namespace birch {

// Messages the product adds beyond the numbered table (`EXT<number>` in language files).
// Numbers are grouped by subsystem: 1-99 files and start-up, 100-199 main window and
// projects, 200-299 parameters, 300-399 sentence rules and tables, 400-499 image and update,
// 500-599 options and version check, 600-699 sibling profiles.
class ExtraTexts {
public:
    ExtraTexts();

    // The current text of `number`; an unknown number yields an empty text.
    const std::string& operator[](int number) const;
    void set(int number, std::string text);
    // Back to the English defaults.
    void reset();
    static bool known(int number);
    // Every number the product uses, ascending.
    static std::vector<int> numbers();

private:
    std::map<int, std::string> texts_;
};

} // namespace birch
