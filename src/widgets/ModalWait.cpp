#include "widgets/ModalWait.h"

#include "widgets/ModalWaitDialog.h"

#include <QEventLoop>
#include <QMetaObject>

#include <exception>
#include <thread>

namespace birch {

void Wait_Modally(QWidget* parent, const QString& text, const std::function<void()>& work)
{
    const ModalWaitDialog progress(parent, text);

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
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace birch
