#include "profiles/TFTopicTemplate.h"

#include "core/BuildConstants.h"
#include "profiles/TopicKeywords.h"
#include "widgets/HeadingPanel.h"
#include "widgets/NoDefaultButton.h"
#include "widgets/QtText.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace birch {

namespace {
constexpr int kClientWidth = 635;
constexpr int kClientHeight = 396;
constexpr int kKeywordWidth = 150;
} // namespace

TFTopicTemplate::TFTopicTemplate(UiContext& context, QWidget* parent)
    : QDialog(parent), context_(context), P_Title(new HeadingPanel(qs(SoftwareCode), this)),
      RE_TopicTemplate(new QPlainTextEdit(this)), L_List_Keywords(new QLabel(this)),
      ASG_Keywords(new QTableWidget(this)), Btn_OK(new QPushButton(this)), Btn_Cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("TFTopicTemplate"));
    RE_TopicTemplate->setObjectName(QStringLiteral("RE_TopicTemplate"));
    L_List_Keywords->setObjectName(QStringLiteral("L_List_Keywords"));
    ASG_Keywords->setObjectName(QStringLiteral("ASG_Keywords"));
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));

    L_List_Keywords->setTextFormat(Qt::PlainText);
    // Enter in the editor starts a new line of the template; no button takes it.
    noDefaultButton(*this);

    ASG_Keywords->setColumnCount(2);
    ASG_Keywords->verticalHeader()->hide();
    ASG_Keywords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ASG_Keywords->setSelectionBehavior(QAbstractItemView::SelectRows);
    ASG_Keywords->setSelectionMode(QAbstractItemView::SingleSelection);
    ASG_Keywords->setWordWrap(false);
    ASG_Keywords->setColumnWidth(0, kKeywordWidth);
    ASG_Keywords->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Btn_OK);
    buttons->addWidget(Btn_Cancel);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->addWidget(RE_TopicTemplate, 2);
    body->addWidget(L_List_Keywords);
    body->addWidget(ASG_Keywords, 1);
    body->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(P_Title);
    layout->addLayout(body, 1);

    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    // A double click on a keyword writes it where the editor's cursor stands.
    connect(ASG_Keywords, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { insertKeyword(row); });

    resize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Set_Lang();
}

void TFTopicTemplate::Set_Lang()
{
    const TextList& texts = context_.state.TextTable;
    Set_Caption();
    L_List_Keywords->setText(qs(texts[1404]));
    ASG_Keywords->setHorizontalHeaderLabels({qs(texts[1405]), qs(texts[1406])});
    // The keyword column is never narrower than its title.
    ASG_Keywords->setColumnWidth(0, std::max(kKeywordWidth, ASG_Keywords->horizontalHeader()->sectionSizeHint(0)));
    Btn_OK->setText(qs(texts[1407]));
    Btn_Cancel->setText(qs(texts[1408]));
    Laod_Keywords();
}

// The caption names what is edited; it follows the target set for the showing.
void TFTopicTemplate::Set_Caption()
{
    const TextList& texts = context_.state.TextTable;
    setWindowTitle(qs(texts[topicTemplate_ ? 1401 : 1400]));
    P_Title->setDescription(qs(texts[topicTemplate_ ? 1403 : 1402]));
}

void TFTopicTemplate::Set_Target(bool TopicTemplate, int Working_Mode, int Pub_Sub)
{
    topicTemplate_ = TopicTemplate;
    workingMode_ = Working_Mode;
    pubSub_ = Pub_Sub;
}

void TFTopicTemplate::setText(const QString& text)
{
    RE_TopicTemplate->clear();
    RE_TopicTemplate->setPlainText(text);
}

QString TFTopicTemplate::text() const
{
    return RE_TopicTemplate->toPlainText();
}

void TFTopicTemplate::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Set_Caption();
    Laod_Keywords();
    RE_TopicTemplate->setFocus();
}

void TFTopicTemplate::Laod_Keywords()
{
    ASG_Keywords->setRowCount(static_cast<int>(kTopicKeywords.size()));
    for (std::size_t i = 0; i < kTopicKeywords.size(); ++i) {
        const int row = static_cast<int>(i);
        auto* keyword = new QTableWidgetItem(qs(kTopicKeywords[i].keyword));
        auto* description = new QTableWidgetItem(qs(context_.state.Extra[kTopicKeywords[i].description]));
        for (QTableWidgetItem* item : {keyword, description})
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        ASG_Keywords->setItem(row, 0, keyword);
        ASG_Keywords->setItem(row, 1, description);
    }
}

void TFTopicTemplate::insertKeyword(int row)
{
    const QTableWidgetItem* keyword = ASG_Keywords->item(row, 0);
    if (keyword == nullptr)
        return;
    RE_TopicTemplate->insertPlainText(keyword->text());
    RE_TopicTemplate->setFocus();
}

} // namespace birch
