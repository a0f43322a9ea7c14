#pragma once

#include "widgets/ModalRunner.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>

namespace birch::test {

// Shows the dialog without a nested event loop, runs the next script on it (the script clicks,
// types and closes it), and returns the dialog's result. A dialog with no script, or one the
// script leaves open, is recorded as a failure and rejected.
class ScriptedModalRunner final : public ModalRunner {
public:
    using Script = std::function<void(QDialog&)>;

    void then(Script script) { scripts_.push_back(std::move(script)); }

    int run(QDialog& dialog) override
    {
        shown.push_back(&dialog);
        if (scripts_.empty()) {
            problems << QStringLiteral("unscripted modal window: ") + dialog.objectName();
            return QDialog::Rejected;
        }
        Script script = std::move(scripts_.front());
        scripts_.pop_front();
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        script(dialog);
        if (dialog.isVisible()) {
            problems << QStringLiteral("modal window left open by its script: ") + dialog.objectName();
            dialog.reject();
        }
        return dialog.result();
    }

    bool allScriptsUsed() const { return scripts_.empty(); }

    QList<QDialog*> shown;
    QStringList problems;

private:
    std::deque<Script> scripts_;
};

} // namespace birch::test
