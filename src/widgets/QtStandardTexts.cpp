#include "widgets/QtStandardTexts.h"

#include "lang/LanguageLocale.h"
#include "widgets/QtText.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace birch {

QtStandardTexts::~QtStandardTexts()
{
    uninstall();
}

void QtStandardTexts::follow(const std::string& languageName)
{
    uninstall();
    const auto locale = languageLocale(languageName);
    // Qt's built-in texts are English already.
    if (!locale || *locale == "en")
        return;
    auto translator = std::make_unique<QTranslator>();
    // Without the translations package Qt's English stays: its dialogs still work.
    if (!translator->load(QStringLiteral("qtbase_") + qs(*locale), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
}

void QtStandardTexts::uninstall()
{
    if (!translator_)
        return;
    QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
}

} // namespace birch
