#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace birch {

// Every message box and file dialog of the product goes through this seam, so that tests can
// script the answers.
class Prompter {
public:
    enum class Kind { Error, Warning, Question, Information };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Prompter() = default;

    virtual Answer message(QWidget* parent, Kind kind, const QString& text, Buttons buttons) = 0;

    // A save-file dialog; nothing when the user cancels. The product asks its own overwrite
    // question, so the dialog must not.
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                                const QString& filter) = 0;
    // An open-file dialog for an existing file; nothing when the user cancels.
    virtual std::optional<QString> openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                                const QString& filter) = 0;

    void error(QWidget* parent, const QString& text) { message(parent, Kind::Error, text, Buttons::Ok); }
    void warning(QWidget* parent, const QString& text) { message(parent, Kind::Warning, text, Buttons::Ok); }
    void information(QWidget* parent, const QString& text) { message(parent, Kind::Information, text, Buttons::Ok); }
    Answer question(QWidget* parent, const QString& text, Buttons buttons = Buttons::YesNo)
    {
        return message(parent, Kind::Question, text, buttons);
    }
};

// The real prompts: QMessageBox and QFileDialog.
class QtPrompter final : public Prompter {
public:
    Answer message(QWidget* parent, Kind kind, const QString& text, Buttons buttons) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                        const QString& filter) override;
    std::optional<QString> openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                        const QString& filter) override;
};

} // namespace birch
