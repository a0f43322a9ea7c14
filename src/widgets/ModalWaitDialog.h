#pragma once

#include <QDialog>

#include <chrono>

class QCloseEvent;
class QLabel;
class QPushButton;
class QProgressBar;

namespace birch {

// A progress dialog shown modally while a blocking operation runs: the other windows take no
// input, yet everything keeps painting because the waiting side spends its pauses in
// `processEventsFor`. Only its Cancel button ends the wait early, and only through the waiting
// side, which asks `cancelled()` between its pauses; Escape and the close box do nothing. It
// hides when destroyed.
class ModalWaitDialog : public QDialog {
    Q_OBJECT
public:
    ModalWaitDialog(QWidget* parent, const QString& text, const QString& cancelCaption);
    ~ModalWaitDialog() override;

    // Shows how far a wait of known length has come; until called the bar just moves.
    void setProgress(int done, int total);

    // Runs a plain event loop for `duration`.
    static void processEventsFor(std::chrono::milliseconds duration);

    // True once the user asked to stop waiting.
    bool cancelled() const { return cancelled_; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* text_;
    QPushButton* cancel_;
    bool cancelled_ = false;
    QProgressBar* progress_;
};

} // namespace birch
