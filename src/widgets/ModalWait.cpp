#include "widgets/ModalWait.h"

#include "widgets/ModalWaitDialog.h"

#include <atomic>
#include <chrono>
#include <exception>

namespace birch {

namespace {
constexpr std::chrono::milliseconds kPollInterval{10};
} // namespace

// Shared by the waiting side and the worker, so either may go first.
struct ModalWork::Progress {
    std::atomic<bool> done{false};
    std::exception_ptr failure; // written before `done`
};

ModalWork::~ModalWork()
{
    for (Abandoned& work : abandoned_)
        work.worker.join();
}

bool ModalWork::run(QWidget* parent, const QString& text, const QString& cancelCaption, std::function<void()> work)
{
    joinFinished();
    auto progress = std::make_shared<Progress>();
    std::thread worker([progress, work = std::move(work)] {
        try {
            work();
        } catch (...) {
            progress->failure = std::current_exception();
        }
        progress->done = true;
    });
    bool cancelled = false;
    {
        const ModalWaitDialog dialog(parent, text, cancelCaption);
        while (!progress->done && !dialog.cancelled())
            ModalWaitDialog::processEventsFor(kPollInterval);
        cancelled = !progress->done;
    }
    if (cancelled) {
        abandoned_.push_back({std::move(worker), std::move(progress)});
        return false;
    }
    worker.join();
    if (progress->failure)
        std::rethrow_exception(progress->failure);
    return true;
}

void ModalWork::joinFinished()
{
    std::erase_if(abandoned_, [](Abandoned& work) {
        if (!work.progress->done)
            return false;
        work.worker.join();
        return true;
    });
}

} // namespace birch
