#include "widgets/CollapsibleGroup.h"
#include "widgets/PlainText.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace birch {

CollapsibleGroup::CollapsibleGroup(QWidget* parent)
    : QWidget(parent), header_(new QWidget(this)), title_(plainLabel(new QLabel(header_))),
      chevron_(new QToolButton(header_)), body_(new QWidget(this)), grid_(new QGridLayout(body_))
{
    // The stack gives each group the height it asks for, no more.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    header_->setMinimumHeight(kHeaderHeight);
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

    // Rows 28 pixels apart at the default font, a label's column and a control's column.
    grid_->setContentsMargins(12, 8, 12, 12);
    grid_->setHorizontalSpacing(6);
    grid_->setVerticalSpacing(6);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header_);
    layout->addWidget(body_);
}

void CollapsibleGroup::setTitle(const QString& title)
{
    title_->setText(title);
}

QString CollapsibleGroup::title() const
{
    return title_->text();
}

void CollapsibleGroup::addControl(QWidget* control, int row, int column, int columnSpan)
{
    grid_->addWidget(control, row, column, 1, columnSpan);
    controls_.append(control);
}

void CollapsibleGroup::addControls(const QList<QWidget*>& controls, int row, int column)
{
    auto* cell = new QHBoxLayout;
    cell->setSpacing(0);
    for (QWidget* control : controls) {
        cell->addWidget(control);
        controls_.append(control);
    }
    cell->addStretch(1);
    grid_->addLayout(cell, row, column);
}

void CollapsibleGroup::setCollapsed(bool collapsed)
{
    collapsed_ = collapsed;
    chevron_->setArrowType(collapsed ? Qt::DownArrow : Qt::UpArrow);
    body_->setVisible(!collapsed);
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

} // namespace birch
