#include "profiles/TFProfinetFileName.h"

#include "core/BuildConstants.h"
#include "profiles/GsdmlName.h"
#include "widgets/HeadingPanel.h"
#include "widgets/NoDefaultButton.h"
#include "widgets/QtText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace birch {

namespace {

QLabel* plainLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TFProfinetFileName::TFProfinetFileName(UiContext& context, const CalendarDate& startDate, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      context_(context), fixedPart2_(gsdmlFixedPart2(startDate)), heading_(new HeadingPanel(qs(SoftwareCode), this)),
      L_Select_Name(plainLabel("L_Select_Name", this)), L_FixPart_1(plainLabel("L_FixPart_1", this)),
      L_UsedPart(plainLabel("L_UsedPart", this)), L_FixPart_2(plainLabel("L_FixPart_2", this)),
      L_XML_Fix1(plainLabel("L_XML_Fix1", this)), E_XML_User(new QLineEdit(this)),
      L_XML_Fix2(plainLabel("L_XML_Fix2", this)), Btn_OK(new QPushButton(this)), Btn_Cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("TFProfinetFileName"));
    E_XML_User->setObjectName(QStringLiteral("E_XML_User"));
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    L_XML_Fix1->setText(qs(kGsdmlFixedPart1));
    L_XML_Fix2->setText(qs(fixedPart2_));
    for (QLabel* fixed : {L_XML_Fix1, L_XML_Fix2})
        fixed->setTextInteractionFlags(Qt::TextSelectableByMouse);
    L_UsedPart->setBuddy(E_XML_User);

    // Three columns, each under its heading; the user part takes the spare width.
    auto* columns = new QGridLayout;
    columns->addWidget(L_FixPart_1, 0, 0);
    columns->addWidget(L_UsedPart, 0, 1);
    columns->addWidget(L_FixPart_2, 0, 2);
    columns->addWidget(L_XML_Fix1, 1, 0);
    columns->addWidget(E_XML_User, 1, 1);
    columns->addWidget(L_XML_Fix2, 1, 2);
    columns->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_OK);
    buttons->addWidget(Btn_Cancel);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 10);
    body->addWidget(L_Select_Name);
    body->addLayout(columns);
    body->addStretch();
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading_);
    layout->addLayout(body);
    // The arrangement's size at the default font; the layout grows it for longer texts.
    resize(540, 205);
    // Enter in the user part does not confirm the name: only OK does.
    noDefaultButton(*this);

    connect(Btn_OK, &QPushButton::clicked, this, &TFProfinetFileName::Btn_OK_Click);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    Set_Lang();
}

QString TFProfinetFileName::text(int number) const
{
    return qs(context_.state.TextTable[number]);
}

void TFProfinetFileName::Set_Lang()
{
    setWindowTitle(text(700));
    heading_->setDescription(text(701));
    L_Select_Name->setText(text(702));
    L_FixPart_1->setText(text(703));
    L_UsedPart->setText(text(704));
    L_FixPart_2->setText(text(705));
    Btn_OK->setText(text(706));
    Btn_Cancel->setText(text(707));
    Btn_OK->setToolTip(text(708));
    Btn_Cancel->setToolTip(text(709));
    E_XML_User->setToolTip(text(710));
}

void TFProfinetFileName::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // The user part of the last use is kept and offered selected: typing replaces it, a cursor
    // key keeps it.
    E_XML_User->setFocus();
    E_XML_User->selectAll();
}

void TFProfinetFileName::Btn_OK_Click()
{
    Name_File_XML_ = Compose_GSDML_Name(ss(E_XML_User->text()), fixedPart2_);
    accept();
}

} // namespace birch
