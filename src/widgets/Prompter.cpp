#include "widgets/Prompter.h"

#include "lang/ExtraTextNumbers.h"
#include "lang/ExtraTexts.h"
#include "widgets/QtText.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>

namespace birch {

namespace {

QMessageBox::Icon iconOf(Prompter::Kind kind)
{
    switch (kind) {
    case Prompter::Kind::Error:
        return QMessageBox::Critical;
    case Prompter::Kind::Warning:
        return QMessageBox::Warning;
    case Prompter::Kind::Question:
        return QMessageBox::Question;
    case Prompter::Kind::Information:
        break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButton buttonOf(Prompter::Answer answer)
{
    switch (answer) {
    case Prompter::Answer::Ok:
        return QMessageBox::Ok;
    case Prompter::Answer::Yes:
        return QMessageBox::Yes;
    case Prompter::Answer::No:
        return QMessageBox::No;
    case Prompter::Answer::Cancel:
        break;
    }
    return QMessageBox::Cancel;
}

} // namespace

Prompter::Answer QtPrompter::message(QWidget* parent, Kind kind, const QString& text, Buttons buttons,
                                     Answer defaultAnswer)
{
    QMessageBox box(parent);
    box.setIcon(iconOf(kind));
    box.setWindowTitle(parent != nullptr ? parent->window()->windowTitle() : QString());
    // Messages carry file names and typed text; markup in them is shown, never applied.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    const struct {
        QMessageBox::StandardButton button;
        int caption;
    } captions[] = {{QMessageBox::Ok, ext::kCaptionOk},
                    {QMessageBox::Cancel, ext::kCaptionCancel},
                    {QMessageBox::Yes, ext::kCaptionYes},
                    {QMessageBox::No, ext::kCaptionNo}};
    for (const auto& entry : captions)
        if (QAbstractButton* button = box.button(entry.button))
            button->setText(qs(texts_[entry.caption]));
    box.setDefaultButton(buttonOf(defaultAnswer));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> QtPrompter::saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                                const QString& filter)
{
    const QString name =
        QFileDialog::getSaveFileName(parent, caption, folder, filter, nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> QtPrompter::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                                const QString& filter)
{
    const QString name = QFileDialog::getOpenFileName(parent, caption, folder, filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

} // namespace birch
