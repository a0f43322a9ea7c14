#pragma once

#include <QLabel>

namespace birch {

// A label that acts like a link: a hand cursor, `clicked` on a left click, and on Space or
// Enter when it has keyboard focus (give it a focus policy for that).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace birch
