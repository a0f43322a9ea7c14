#include "widgets/ModalWaitDialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace birch {

ModalWaitDialog::ModalWaitDialog(QWidget* parent, const QString& text)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), text_(new QLabel(text, this)),
      progress_(new QProgressBar(this))
{
    setObjectName(QStringLiteral("ModalWaitDialog"));
    if (parent != nullptr)
        setWindowTitle(parent->window()->windowTitle());
    // The text may name a file or a port the user typed: shown as it is, never as markup.
    text_->setTextFormat(Qt::PlainText);
    progress_->setRange(0, 0); // no end known: a moving bar
    progress_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(progress_);
    setMinimumWidth(360);
    setWindowModality(Qt::ApplicationModal);
    show();
}

ModalWaitDialog::~ModalWaitDialog()
{
    hide();
}

void ModalWaitDialog::setProgress(int done, int total)
{
    progress_->setRange(0, total);
    progress_->setValue(done);
}

void ModalWaitDialog::processEventsFor(std::chrono::milliseconds duration)
{
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec();
}

void ModalWaitDialog::reject()
{
    // Escape must not end a wait that the operation itself ends.
}

void ModalWaitDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

} // namespace birch
