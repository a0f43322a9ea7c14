#include "widgets/HeadingPanel.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QVBoxLayout>

namespace birch {

HeadingPanel::HeadingPanel(const QString& code, QWidget* parent)
    : QFrame(parent), L_SW_Code(new QLabel(code)), L_SW_Desc(new QLabel)
{
    setObjectName(QStringLiteral("P_Title"));
    // The band keeps its height when the dialog grows.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
    L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));

    auto* band = new QWidget(this);
    QPalette white = band->palette();
    white.setColor(QPalette::Window, Qt::white);
    band->setPalette(white);
    band->setAutoFillBackground(true);

    for (QLabel* label : {L_SW_Code, L_SW_Desc}) {
        label->setTextFormat(Qt::PlainText);
        QPalette grey = label->palette();
        grey.setColor(QPalette::WindowText, Qt::gray);
        label->setPalette(grey);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    QFont large = L_SW_Code->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    L_SW_Code->setFont(large);

    auto* labels = new QVBoxLayout(band);
    labels->setContentsMargins(12, 6, 12, 6);
    labels->setSpacing(0);
    labels->addWidget(L_SW_Code);
    labels->addWidget(L_SW_Desc);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(band);
    layout->addWidget(line);
}

void HeadingPanel::setDescription(const QString& text)
{
    L_SW_Desc->setText(text);
}

} // namespace birch
