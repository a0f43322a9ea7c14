#include "app/TFOpenConf.h"

#include "app/Projects.h"
#include "core/BuildConstants.h"
#include "widgets/HeadingPanel.h"
#include "widgets/NoDefaultButton.h"
#include "widgets/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace birch {

TFOpenConf::TFOpenConf(UiContext& context, QWidget* parent)
    : QDialog(parent), context_(context), heading_(new HeadingPanel(qs(SoftwareCode), this)), Label1(new QLabel(this)),
      ListBox1(new QListWidget(this)), Btn_OK(new QPushButton(this)), Btn_Cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("TFOpenConf"));
    Label1->setObjectName(QStringLiteral("Label1"));
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    Label1->setBuddy(ListBox1);

    // The list grows with the window; the buttons keep to the right edge.
    auto* body = new QGridLayout;
    body->setContentsMargins(10, 6, 10, 10);
    body->addWidget(Label1, 0, 0, 1, 2);
    body->addWidget(ListBox1, 1, 0, 3, 1);
    body->addWidget(Btn_OK, 1, 1);
    body->addWidget(Btn_Cancel, 2, 1);
    body->setRowStretch(3, 1);
    body->setColumnStretch(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading_);
    layout->addLayout(body, 1);
    resize(377, 351);
    // Enter in the list does not open the project: only OK does.
    noDefaultButton(*this);

    connect(ListBox1, &QListWidget::currentRowChanged, this, &TFOpenConf::ListBox1Click);
    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    Set_Lang();
}

QString TFOpenConf::text(int number) const
{
    return qs(context_.state.TextTable[number]);
}

void TFOpenConf::Set_Lang()
{
    setWindowTitle(text(200));
    heading_->setDescription(text(201));
    Label1->setText(text(202));
    Btn_OK->setText(text(203));
    Btn_OK->setToolTip(text(206));
    Btn_Cancel->setText(text(204));
    Btn_Cancel->setToolTip(text(207));
    ListBox1->setToolTip(text(205));
}

void TFOpenConf::Load_Existing_Configuration()
{
    SL = birch::Load_Existing_Configuration(context_.state.ProjectsDir);
}

int TFOpenConf::Search_Open_Conf(std::string_view name) const
{
    return birch::Search_Open_Conf(SL, name);
}

void TFOpenConf::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Load_Existing_Configuration();
    const QSignalBlocker blocker(ListBox1);
    ListBox1->clear();
    for (const std::string& name : SL)
        ListBox1->addItem(qs(name));
    Name_Conf_.clear();
    if (!SL.empty()) {
        const int found = Search_Open_Conf(activeProjectName(context_.state));
        const int row = found >= 0 ? found : 0;
        ListBox1->setCurrentRow(row);
        Name_Conf_ = SL[static_cast<std::size_t>(row)];
    }
    ListBox1->setFocus();
}

void TFOpenConf::ListBox1Click(int row)
{
    if (row >= 0 && row < static_cast<int>(SL.size()))
        Name_Conf_ = SL[static_cast<std::size_t>(row)];
}

} // namespace birch
