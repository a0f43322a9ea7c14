#include "widgets/ModalWait.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QProgressDialog>

#include <exception>
#include <thread>

namespace birch {

void Wait_Modally(QWidget* parent, const QString& text, const std::function<void()>& work)
{
    QProgressDialog progress(text, QString(), 0, 0, parent);
    progress.setObjectName(QStringLiteral("ModalWait"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setCancelButton(nullptr);
    progress.setMinimumDuration(0);
    progress.show();

    QEventLoop loop;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    progress.hide();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace birch
