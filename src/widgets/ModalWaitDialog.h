#pragma once

#include <QDialog>

#include <chrono>

class QCloseEvent;
class QLabel;
class QProgressBar;

namespace birch {

// A progress dialog shown modally while a blocking operation runs: the other windows take no
// input, yet everything keeps painting because the waiting side spends its pauses in
// `processEventsFor`. It cannot be closed by the user; it hides when destroyed.
class ModalWaitDialog : public QDialog {
    Q_OBJECT
public:
    ModalWaitDialog(QWidget* parent, const QString& text);
    ~ModalWaitDialog() override;

    // Shows how far a wait of known length has come; until called the bar just moves.
    void setProgress(int done, int total);

    // Runs a plain event loop for `duration`.
    static void processEventsFor(std::chrono::milliseconds duration);

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* text_;
    QProgressBar* progress_;
};

} // namespace birch
