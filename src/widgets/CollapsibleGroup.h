#pragma once

#include <QList>
#include <QWidget>

class QGridLayout;
class QLabel;
class QToolButton;

namespace birch {

// One group of a CollapsibleGroupStack: a header with the title and a chevron that collapses
// the group to its header or expands it again, and a body whose grid holds the window's
// controls. The group is as tall as its header and shown rows need; a hidden control's row
// takes no room.
class CollapsibleGroup : public QWidget {
    Q_OBJECT
public:
    // The header's height at the default font; a larger title makes it taller.
    static constexpr int kHeaderHeight = 24;

    explicit CollapsibleGroup(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;

    // Puts `control` into the body's grid. The stack's tab order runs through a group's controls
    // in the order they were added.
    void addControl(QWidget* control, int row, int column, int columnSpan = 1);
    // Puts `controls` side by side into one cell of the grid, in that order.
    void addControls(const QList<QWidget*>& controls, int row, int column);
    const QList<QWidget*>& controls() const { return controls_; }
    QWidget* body() const { return body_; }
    QGridLayout& grid() const { return *grid_; }

    void setCollapsed(bool collapsed);
    bool isCollapsed() const { return collapsed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* header_;
    QLabel* title_;
    QToolButton* chevron_;
    QWidget* body_;
    QGridLayout* grid_;
    QList<QWidget*> controls_;
    bool collapsed_ = false;
};

} // namespace birch
