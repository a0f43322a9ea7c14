#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QRect;
class QToolButton;

namespace birch {

// One group of a CollapsibleGroupStack: a 24-pixel header with the title and a chevron that
// collapses the group to its header or expands it again, and a body on which the window
// places its controls at fixed positions.
class CollapsibleGroup : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeaderHeight = 24;

    explicit CollapsibleGroup(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;

    // Puts `control` on the body at `geometry` (body coordinates). The stack's tab order runs
    // through a group's controls in the order they were added.
    void addControl(QWidget* control, const QRect& geometry);
    const QList<QWidget*>& controls() const { return controls_; }
    QWidget* body() const { return body_; }

    // The height with the body shown, header included.
    void setExpandedHeight(int height);
    int expandedHeight() const { return expandedHeight_; }

    void setCollapsed(bool collapsed);
    bool isCollapsed() const { return collapsed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyHeight();

    QWidget* header_;
    QLabel* title_;
    QToolButton* chevron_;
    QWidget* body_;
    QList<QWidget*> controls_;
    int expandedHeight_ = kHeaderHeight;
    bool collapsed_ = false;
};

} // namespace birch
