#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <thread>
#include <vector>

class QWidget;

namespace birch {

// Runs work on a worker thread behind the modal progress dialog, so the windows stay painted
// while input to them is blocked, and lets the user stop waiting. Work whose wait was cancelled
// runs on to its end unobserved: it must own what it touches, or touch only what outlives this
// object, which joins it at the latest when destroyed.
class ModalWork {
public:
    ModalWork() = default;
    ~ModalWork();
    ModalWork(const ModalWork&) = delete;
    ModalWork& operator=(const ModalWork&) = delete;

    // True when `work` ended (an exception it threw is rethrown here); false when the user
    // cancelled the wait.
    bool run(QWidget* parent, const QString& text, const QString& cancelCaption, std::function<void()> work);

private:
    struct Progress;
    struct Abandoned {
        std::thread worker;
        std::shared_ptr<Progress> progress;
    };
    void joinFinished();

    std::vector<Abandoned> abandoned_;
};

} // namespace birch
