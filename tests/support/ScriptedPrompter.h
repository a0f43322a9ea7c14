#pragma once

#include "widgets/Prompter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

namespace birch::test {

// Records every prompt and answers from a queue. An unscripted prompt is recorded as a failure
// and answered safely (Cancel, or No when there is no Cancel) so the code unwinds.
class ScriptedPrompter final : public Prompter {
public:
    struct Prompt {
        Kind kind;
        QString text;
        Buttons buttons;
        Answer defaultAnswer; // what Enter would answer in the real box
    };

    void answer(Answer a) { answers_.push_back({false, a}); }
    // Answers the next prompt as a hasty Enter would: with its default button.
    void answerDefault() { answers_.push_back({true, Answer::Cancel}); }
    void answerSaveFile(std::optional<QString> name)
    {
        fileAnswers_.push_back({name.has_value(), name.value_or(QString())});
    }

    void answerOpenFile(std::optional<QString> name) { answerSaveFile(std::move(name)); }

    Answer message(QWidget*, Kind kind, const QString& text, Buttons buttons, Answer defaultAnswer) override
    {
        prompts.push_back({kind, text, buttons, defaultAnswer});
        if (!offers(buttons, defaultAnswer))
            unscripted << QStringLiteral("default answer not among the buttons: ") + text;
        if (answers_.empty()) {
            unscripted << QStringLiteral("unscripted prompt: ") + text;
            switch (buttons) {
            case Buttons::Ok:
                return Answer::Ok;
            case Buttons::YesNo:
                return Answer::No;
            case Buttons::YesNoCancel:
                return Answer::Cancel;
            }
            return Answer::Cancel;
        }
        const ScriptedAnswer a = answers_.front();
        answers_.pop_front();
        return a.byDefault ? defaultAnswer : a.answer;
    }

    std::optional<QString> saveFileName(QWidget*, const QString& caption, const QString& folder,
                                        const QString& filter) override
    {
        fileDialogs.push_back({caption, folder, filter});
        if (fileAnswers_.empty()) {
            unscripted << QStringLiteral("unscripted file dialog: ") + caption;
            return std::nullopt;
        }
        const FileAnswer a = fileAnswers_.front();
        fileAnswers_.pop_front();
        if (!a.chosen)
            return std::nullopt;
        return a.name;
    }

    // Open-file dialogs take their answers from the same queue as save-file dialogs.
    std::optional<QString> openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                        const QString& filter) override
    {
        return saveFileName(parent, caption, folder, filter);
    }

    // Scripted answers not used by the code under test are failures too.
    QStringList problems() const
    {
        QStringList all = unscripted;
        if (!answers_.empty() || !fileAnswers_.empty())
            all << QStringLiteral("scripted answers left unused");
        return all;
    }

    struct FileDialog {
        QString caption;
        QString folder;
        QString filter;
    };

    QList<Prompt> prompts;
    QList<FileDialog> fileDialogs;
    QStringList unscripted;

private:
    static bool offers(Buttons buttons, Answer answer)
    {
        switch (buttons) {
        case Buttons::Ok:
            return answer == Answer::Ok;
        case Buttons::YesNo:
            return answer == Answer::Yes || answer == Answer::No;
        case Buttons::YesNoCancel:
            return answer != Answer::Ok;
        }
        return false;
    }

    // Kept apart from std::optional, whose copies GCC 12 misreads as uninitialised.
    struct ScriptedAnswer {
        bool byDefault;
        Answer answer;
    };
    std::deque<ScriptedAnswer> answers_;
    struct FileAnswer {
        bool chosen;
        QString name;
    };
    std::deque<FileAnswer> fileAnswers_;
};

} // namespace birch::test
