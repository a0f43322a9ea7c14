#include "widgets/ModalWaitDialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace birch {

ModalWaitDialog::ModalWaitDialog(QWidget* parent, const QString& text)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), text_(new QLabel(text, this))
{
    setObjectName(QStringLiteral("ModalWaitDialog"));
    if (parent != nullptr)
        setWindowTitle(parent->window()->windowTitle());
    auto* progress = new QProgressBar(this);
    progress->setRange(0, 0); // no end known: a moving bar
    progress->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(progress);
    setMinimumWidth(360);
    setWindowModality(Qt::ApplicationModal);
    show();
}

ModalWaitDialog::~ModalWaitDialog()
{
    hide();
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
