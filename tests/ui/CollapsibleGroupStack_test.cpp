#include "widgets/ByteAddressEdits.h"
#include "widgets/CollapsibleGroup.h"
#include "widgets/CollapsibleGroupStack.h"

#include <QGridLayout>
#include <QLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace birch;

namespace {

CollapsibleGroup* makeGroup(CollapsibleGroupStack& stack, const char* name, int height)
{
    auto* group = new CollapsibleGroup;
    group->setObjectName(QString::fromLatin1(name));
    group->setTitle(QString::fromLatin1(name));
    // A body as tall as makes the whole group `height` high.
    const QMargins margins = group->grid().contentsMargins();
    auto* filler = new QWidget;
    filler->setFixedHeight(height - CollapsibleGroup::kHeaderHeight - margins.top() - margins.bottom());
    group->addControl(filler, 0, 0);
    stack.addGroup(group);
    return group;
}

// Lets the groups' and the stack's layouts take effect, inner ones first.
void settle(CollapsibleGroupStack& stack)
{
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    stack.widget()->layout()->activate();
}

} // namespace

class CollapsibleGroupStackTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void headerAndChevronCollapseAndExpand()
    {
        CollapsibleGroupStack stack;
        auto* first = makeGroup(stack, "first", 200);
        auto* second = makeGroup(stack, "second", 100);
        stack.resize(300, 250);
        stack.show();
        settle(stack);
        QCOMPARE(second->y(), 200);

        // A click anywhere on the header toggles, as does the chevron.
        QTest::mouseClick(first->childAt(20, CollapsibleGroup::kHeaderHeight / 2), Qt::LeftButton);
        settle(stack);
        QVERIFY(first->isCollapsed());
        QCOMPARE(first->height(), CollapsibleGroup::kHeaderHeight);
        QCOMPARE(second->y(), CollapsibleGroup::kHeaderHeight);
        QVERIFY(!first->body()->isVisible());

        QTest::mouseClick(first->findChild<QToolButton*>(), Qt::LeftButton);
        settle(stack);
        QVERIFY(!first->isCollapsed());
        QCOMPARE(first->height(), 200);
        QCOMPARE(second->y(), 200);

        // A click inside the body does nothing to the group.
        QTest::mouseClick(first->body(), Qt::LeftButton);
        QVERIFY(!first->isCollapsed());
    }

    void arrangeOrdersGroupsAndTheirTabChain()
    {
        CollapsibleGroupStack stack;
        auto* a = makeGroup(stack, "a", 80);
        auto* b = makeGroup(stack, "b", 80);
        auto* c = makeGroup(stack, "c", 80);
        const auto aBytes = addByteAddressEdits(*a, QStringLiteral("A"), 1, 0);
        const auto cBytes = addByteAddressEdits(*c, QStringLiteral("C"), 1, 0);
        auto* after = new QLineEdit(&stack);
        b->hide();
        stack.arrange({c, b, a}, {after});
        stack.resize(300, 400);
        stack.show();
        settle(stack);

        QCOMPARE(stack.shownGroups(), (QList<CollapsibleGroup*>{c, a}));
        QCOMPARE(c->y(), 0);
        QCOMPARE(a->y(), c->height());
        QCOMPARE(aBytes[3]->objectName(), QStringLiteral("A4"));
        QCOMPARE(cBytes[3]->nextInFocusChain(), aBytes[0]);
        QCOMPARE(aBytes[3]->nextInFocusChain(), after);
        QVERIFY(!aBytes[0]->validator());
        QCOMPARE(aBytes[0]->maxLength(), QLineEdit().maxLength());
    }

    void scrollsByWholeLines()
    {
        CollapsibleGroupStack stack;
        for (int i = 0; i < 5; ++i)
            makeGroup(stack, "g", 200);
        stack.resize(300, 300);
        stack.show();
        settle(stack);
        QScrollBar* bar = stack.verticalScrollBar();
        QVERIFY(bar->maximum() > 3 * bar->singleStep());
        stack.scrollLines(3);
        QCOMPARE(bar->value(), 3 * bar->singleStep());
        stack.scrollLines(-1);
        QCOMPARE(bar->value(), 2 * bar->singleStep());
        stack.scrollLines(-10);
        QCOMPARE(bar->value(), 0);
    }
};

QTEST_MAIN(CollapsibleGroupStackTest)
#include "CollapsibleGroupStack_test.moc"
