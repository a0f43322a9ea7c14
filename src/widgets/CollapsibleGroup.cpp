#include "widgets/CollapsibleGroup.h"
#include "widgets/PlainText.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRect>
#include <QToolButton>
#include <QVBoxLayout>

namespace birch {

CollapsibleGroup::CollapsibleGroup(QWidget* parent)
    : QWidget(parent), header_(new QWidget(this)), title_(plainLabel(new QLabel(header_))),
      chevron_(new QToolButton(header_)), body_(new QWidget(this))
{
    header_->setFixedHeight(kHeaderHeight);
    header_->setAutoFillBackground(true);
    header_->setBackgroundRole(QPalette::Mid);
    header_->setCursor(Qt::PointingHandCursor);
    header_->installEventFilter(this);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    title_->setForegroundRole(QPalette::Light);
    chevron_->setAutoRaise(true);
    chevron_->setFocusPolicy(Qt::NoFocus);
    chevron_->setArrowType(Qt::UpArrow);
    connect(chevron_, &QToolButton::clicked, this, [this] { setCollapsed(!collapsed_); });

    auto* headerLayout = new QHBoxLayout(header_);
    headerLayout->setContentsMargins(8, 0, 2, 0);
    headerLayout->addWidget(title_, 1);
    headerLayout->addWidget(chevron_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header_);
    layout->addWidget(body_, 1);
    applyHeight();
}

void CollapsibleGroup::setTitle(const QString& title)
{
    title_->setText(title);
}

QString CollapsibleGroup::title() const
{
    return title_->text();
}

void CollapsibleGroup::addControl(QWidget* control, const QRect& geometry)
{
    control->setParent(body_);
    control->setGeometry(geometry);
    controls_.append(control);
}

void CollapsibleGroup::setExpandedHeight(int height)
{
    expandedHeight_ = height;
    applyHeight();
}

void CollapsibleGroup::setCollapsed(bool collapsed)
{
    collapsed_ = collapsed;
    chevron_->setArrowType(collapsed ? Qt::DownArrow : Qt::UpArrow);
    body_->setVisible(!collapsed);
    applyHeight();
}

bool CollapsibleGroup::eventFilter(QObject* watched, QEvent* event)
{
    const bool leftButton =
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (watched != header_ || !leftButton)
        return QWidget::eventFilter(watched, event);
    // The press is taken so that the release comes back to the header.
    if (event->type() == QEvent::MouseButtonRelease)
        setCollapsed(!collapsed_);
    return true;
}

void CollapsibleGroup::applyHeight()
{
    setFixedHeight(collapsed_ ? kHeaderHeight : expandedHeight_);
}

} // namespace birch
