#pragma once

class QDialog;

namespace birch {

// Shows a window modally and returns its result (QDialog::Accepted or Rejected). Tests
// replace it to drive the window without a nested event loop.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual int run(QDialog& dialog) = 0;
};

class ExecModalRunner final : public ModalRunner {
public:
    int run(QDialog& dialog) override;
};

} // namespace birch
