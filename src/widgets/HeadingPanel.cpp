#include "widgets/HeadingPanel.h"

#include <QLabel>
#include <QPalette>
#include <QVBoxLayout>

namespace birch {

HeadingPanel::HeadingPanel(const QString& code, QWidget* parent)
    : QFrame(parent), L_SW_Code(new QLabel(code, this)), L_SW_Desc(new QLabel(this))
{
    setObjectName(QStringLiteral("P_Heading"));
    L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
    L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));

    QPalette band = palette();
    band.setColor(QPalette::Window, Qt::white);
    band.setColor(QPalette::WindowText, Qt::gray);
    setPalette(band);
    setAutoFillBackground(true);
    setFrameShape(QFrame::StyledPanel);

    QFont codeFont = L_SW_Code->font();
    codeFont.setPointSizeF(codeFont.pointSizeF() * 1.6);
    codeFont.setBold(true);
    L_SW_Code->setFont(codeFont);
    QFont descFont = L_SW_Desc->font();
    descFont.setBold(true);
    L_SW_Desc->setFont(descFont);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(0);
    layout->addWidget(L_SW_Code);
    layout->addWidget(L_SW_Desc);
}

void HeadingPanel::setDescription(const QString& text)
{
    L_SW_Desc->setText(text);
}

} // namespace birch
