#pragma once

#include <QTranslator>

#include <memory>
#include <string>

namespace birch {

// Qt's own texts (standard buttons, file dialogs) in the language of the product's texts, from
// Qt's translations for that language's locale when they are installed. The main window owns one
// and makes it follow every language load.
class QtStandardTexts {
public:
    QtStandardTexts() = default;
    ~QtStandardTexts();
    QtStandardTexts(const QtStandardTexts&) = delete;
    QtStandardTexts& operator=(const QtStandardTexts&) = delete;

    // English, a language without a known locale, or a locale Qt has no translation installed
    // for: Qt's built-in English.
    void follow(const std::string& languageName);

private:
    void uninstall();

    std::unique_ptr<QTranslator> translator_;
};

} // namespace birch
