#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace birch {

class ExtraTexts;

// Every message box and file dialog of the product goes through this seam, so that tests can
// script the answers.
class Prompter {
public:
    enum class Kind { Error, Warning, Question, Information };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Prompter() = default;

    // `defaultAnswer` is the button that Enter picks; it must be one of `buttons`.
    virtual Answer message(QWidget* parent, Kind kind, const QString& text, Buttons buttons, Answer defaultAnswer) = 0;

    // A save-file dialog; nothing when the user cancels. The product asks its own overwrite
    // question, so the dialog must not.
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                                const QString& filter) = 0;
    // An open-file dialog for an existing file; nothing when the user cancels.
    virtual std::optional<QString> openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                                const QString& filter) = 0;

    // A message with an OK button.
    void tell(QWidget* parent, Kind kind, const QString& text) { message(parent, kind, text, Buttons::Ok, Answer::Ok); }
    void error(QWidget* parent, const QString& text) { message(parent, Kind::Error, text, Buttons::Ok, Answer::Ok); }
    void warning(QWidget* parent, const QString& text)
    {
        message(parent, Kind::Warning, text, Buttons::Ok, Answer::Ok);
    }
    void information(QWidget* parent, const QString& text)
    {
        message(parent, Kind::Information, text, Buttons::Ok, Answer::Ok);
    }
    // A question whose Yes only goes on; Yes is the default.
    Answer question(QWidget* parent, const QString& text, Buttons buttons = Buttons::YesNo)
    {
        return message(parent, Kind::Question, text, buttons, Answer::Yes);
    }
    // A question whose Yes deletes, overwrites or throws away something: a hasty Enter must
    // keep it, so No is the default.
    Answer destructiveQuestion(QWidget* parent, const QString& text, Buttons buttons = Buttons::YesNo)
    {
        return message(parent, Kind::Question, text, buttons, Answer::No);
    }
};

// The real prompts: QMessageBox, with its button captions in the current language, and
// QFileDialog.
class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(const ExtraTexts& texts) : texts_(texts) {}

    Answer message(QWidget* parent, Kind kind, const QString& text, Buttons buttons, Answer defaultAnswer) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                        const QString& filter) override;
    std::optional<QString> openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                        const QString& filter) override;

private:
    const ExtraTexts& texts_;
};

} // namespace birch
