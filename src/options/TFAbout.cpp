#include "options/TFAbout.h"

#include "core/BuildConstants.h"
#include "options/MakerAddresses.h"
#include "widgets/ClickableLabel.h"
#include "widgets/NoDefaultButton.h"
#include "widgets/OpenAddress.h"
#include "widgets/PlainText.h"
#include "widgets/QtText.h"
#include "widgets/Resources.h"
#include "widgets/WindowSize.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace birch {

namespace {

constexpr std::string_view kDocumentCode = "Birchdoc";
constexpr QSize kLogoSize(84, 84);

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TFAbout::TFAbout(UiContext& context, QWidget* parent)
    : QDialog(parent), context_(context), homePage_(Maker_Addresses().homePage)
{
    setObjectName(QStringLiteral("TFAbout"));
    setWindowTitle(qs(AppTitle).trimmed());

    Image2 = new ClickableLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(pictureIcon(QStringLiteral("VelmoraLogo")).pixmap(kLogoSize, Image2->devicePixelRatioF()));
    Image2->setAlignment(Qt::AlignCenter);
    Image2->setToolTip(plainToolTip(qs(Web_Address_Caption(homePage_))));

    Label1 = makeLabel(this, "Label1", QStringLiteral("Software Mosaic "));
    Label2 = makeLabel(this, "Label2", qs(SoftwareDescription));
    QFont title = Label1->font();
    title.setBold(true);
    Label1->setFont(title);
    Label2->setFont(title);

    Label6 = makeLabel(this, "Label6", QStringLiteral("Software Code : "));
    Label9 = makeLabel(this, "Label9", qs(SoftwareCode));
    Label3 = makeLabel(this, "Label3", QStringLiteral("Version :"));
    Label10 = makeLabel(this, "Label10", qs(SoftwareVersion));
    Label8 = makeLabel(this, "Label8", QStringLiteral("Document Code :"));
    Label12 = makeLabel(this, "Label12", qs(kDocumentCode));

    Label4 = new ClickableLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setTextFormat(Qt::PlainText);
    Label4->setText(qs(Web_Address_Caption(homePage_)));
    Label4->setFocusPolicy(Qt::TabFocus);
    QFont address = Label4->font();
    address.setUnderline(true);
    Label4->setFont(address);
    QPalette linkColour = Label4->palette();
    linkColour.setColor(QPalette::WindowText, linkColour.color(QPalette::Link));
    Label4->setPalette(linkColour);

    Btn_OK = new QPushButton(QStringLiteral("OK"), this);
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(10, 8, 12, 8);
    layout->setHorizontalSpacing(10);
    layout->setVerticalSpacing(2);
    layout->addWidget(Image2, 0, 0, 5, 1);
    layout->addWidget(Btn_OK, 5, 0, Qt::AlignCenter);
    layout->addWidget(Label1, 0, 1, 1, 2);
    layout->addWidget(Label2, 1, 1, 1, 2);
    layout->addWidget(Label6, 2, 1);
    layout->addWidget(Label9, 2, 2);
    layout->addWidget(Label3, 3, 1);
    layout->addWidget(Label10, 3, 2);
    layout->addWidget(Label8, 4, 1);
    layout->addWidget(Label12, 4, 2);
    layout->addWidget(Label4, 5, 1, 1, 2, Qt::AlignRight | Qt::AlignBottom);
    layout->setColumnStretch(2, 1);

    // The box's size at the default font; a larger font makes it larger.
    fixSizeToContents(*this, QSize(425, 148));
    // Enter on the address opens it and leaves the box open; only OK (or Escape) closes it.
    noDefaultButton(*this);

    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Image2, &ClickableLabel::clicked, this, &TFAbout::Open_Home_Page);
    connect(Label4, &ClickableLabel::clicked, this, &TFAbout::Open_Home_Page);
}

void TFAbout::Open_Home_Page()
{
    Open_Address(context_, this, Home_Page_Url(homePage_, SoftwareCode));
}

} // namespace birch
