#include "widgets/Prompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>

namespace birch {

Prompter::Answer QtPrompter::message(QWidget* parent, Kind kind, const QString& text, Buttons buttons)
{
    QMessageBox box(parent);
    switch (kind) {
    case Kind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Kind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Kind::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Kind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
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
