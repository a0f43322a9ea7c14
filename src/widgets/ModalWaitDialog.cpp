#include "widgets/ModalWaitDialog.h"

#include "widgets/PlainText.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace birch {

ModalWaitDialog::ModalWaitDialog(QWidget* parent, const QString& text, const QString& cancelCaption)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), text_(plainLabel(new QLabel(this))),
      cancel_(new QPushButton(cancelCaption, this)), progress_(new QProgressBar(this))
{
    setObjectName(QStringLiteral("ModalWaitDialog"));
    if (parent != nullptr)
        setWindowTitle(parent->window()->windowTitle());
    text_->setText(text);
    cancel_->setObjectName(QStringLiteral("Btn_Cancel"));
    // Enter pressed while the wait starts must not end it.
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancelled_ = true;
        cancel_->setEnabled(false);
    });
    progress_->setRange(0, 0); // no end known: a moving bar
    progress_->setTextVisible(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(progress_);
    layout->addLayout(buttons);
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
    // Escape must not end a wait: only the Cancel button does, on purpose.
}

void ModalWaitDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

} // namespace birch
