#include "app/TFNew_Project.h"

#include "app/Projects.h"
#include "core/BuildConstants.h"
#include "widgets/HeadingPanel.h"
#include "widgets/PlainText.h"
#include "widgets/QtText.h"
#include "widgets/WindowSize.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace birch {

TFNew_Project::TFNew_Project(UiContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      context_(context), heading_(new HeadingPanel(qs(SoftwareCode), this)), Label1(plainLabel(new QLabel(this))),
      E_New_Proj(new QLineEdit(this)), Btn_OK(new QPushButton(this)), Btn_Cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("TFNew_Project"));
    Label1->setObjectName(QStringLiteral("Label1"));
    E_New_Proj->setObjectName(QStringLiteral("E_New_Proj"));
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    Label1->setBuddy(E_New_Proj);
    // Enter anywhere in the dialog, the name box included, is OK.
    Btn_OK->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_OK);
    buttons->addWidget(Btn_Cancel);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 10);
    body->addWidget(Label1);
    body->addWidget(E_New_Proj);
    body->addStretch();
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading_);
    layout->addLayout(body);

    connect(Btn_OK, &QPushButton::clicked, this, &TFNew_Project::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    Set_Lang();
}

QString TFNew_Project::text(int number) const
{
    return qs(context_.state.TextTable[number]);
}

void TFNew_Project::Set_Lang()
{
    setWindowTitle(text(100));
    heading_->setDescription(text(101));
    Label1->setText(text(102));
    Btn_OK->setText(text(103));
    Btn_OK->setToolTip(plainToolTip(text(109)));
    Btn_Cancel->setText(text(104));
    Btn_Cancel->setToolTip(plainToolTip(text(110)));
    E_New_Proj->setToolTip(plainToolTip(text(108)));
    // The dialog's size at the default font; longer texts make it larger.
    fixSizeToContents(*this, QSize(331, 162));
}

void TFNew_Project::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    E_New_Proj->clear();
    E_New_Proj->setFocus();
}

void TFNew_Project::Btn_OKClick()
{
    const AppState& state = context_.state;
    const NewProject outcome = Create_Project(context_.state, ss(E_New_Proj->text()));
    if (outcome.created()) {
        accept();
        return;
    }
    // The typed name stays, so the user can correct it.
    context_.prompter.error(this, qs(newProjectMessage(state.TextTable, state.Extra, outcome)));
}

} // namespace birch
