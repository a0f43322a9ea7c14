#pragma once

#include <QList>
#include <QScrollArea>

class QVBoxLayout;

namespace birch {

class CollapsibleGroup;

// A vertically scrolling stack of collapsible groups. Shown groups sit one below the other
// without gaps in the order last given to `arrange`; a collapsed or resized group moves the
// ones below it. It never scrolls sideways: it asks for the width its widest group needs.
class CollapsibleGroupStack : public QScrollArea {
    Q_OBJECT
public:
    explicit CollapsibleGroupStack(QWidget* parent = nullptr);

    // Adds a group at the end of the stack; the stack owns it.
    void addGroup(CollapsibleGroup* group);

    // Stacks `order` from the top, the stack's other groups after them, and runs the tab order
    // through the listed groups' controls and then through `after`.
    void arrange(const QList<CollapsibleGroup*>& order, const QList<QWidget*>& after);

    // The groups not hidden, top to bottom.
    QList<CollapsibleGroup*> shownGroups() const;

    // Gives `column` of every group's grid one width, the widest single-column entry's or
    // `narrowest`, so that the groups' columns line up. Called again when texts change.
    void alignColumn(int column, int narrowest);

    // Scrolls by whole lines: negative up, positive down.
    void scrollLines(int lines);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QVBoxLayout* layout_;
    QList<CollapsibleGroup*> groups_;
    int contentWidth_ = 0; // the content's minimum width last told to the window
};

} // namespace birch
