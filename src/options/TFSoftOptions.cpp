#include "options/TFSoftOptions.h"

#include "core/BuildConstants.h"
#include "lang/ExtraTextNumbers.h"
#include "lang/FileNoticeText.h"
#include "lang/Language.h"
#include "options/LanguageList.h"
#include "options/MakerAddresses.h"
#include "widgets/ClickableLabel.h"
#include "widgets/HeadingPanel.h"
#include "widgets/ModalWait.h"
#include "widgets/NoDefaultButton.h"
#include "widgets/OpenAddress.h"
#include "widgets/QtText.h"
#include "widgets/WindowSize.h"

#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QSizePolicy>
#include <QTabWidget>
#include <QVBoxLayout>

#include <atomic>
#include <memory>
#include <utility>

namespace birch {

namespace {

constexpr int kFlagSize = 48;
// The dialog's size at the default font; longer texts make it larger.
constexpr QSize kDefaultSize(509, 373);

// A flag at the slot's size in the screen's own pixels, so that a larger picture stays sharp on
// a scaled screen.
QPixmap flagPicture(const QPixmap& picture, qreal screenRatio)
{
    QPixmap fitted =
        picture.scaled(QSize(kFlagSize, kFlagSize) * screenRatio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(screenRatio);
    return fitted;
}

template <typename Widget> Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

TFSoftOptions::TFSoftOptions(UiContext& context, std::function<void()> changeLanguage,
                             std::function<bool()> checkVersion, QWidget* parent)
    : QDialog(parent), context_(context), changeLanguage_(std::move(changeLanguage)),
      checkVersion_(std::move(checkVersion)), Language_In_Use_(context.state.LanguageName)
{
    setObjectName(QStringLiteral("TFSoftOptions"));

    heading_ = new HeadingPanel(qs(SoftwareCode), this);

    PC_Options = named(new QTabWidget(this), QStringLiteral("PC_Options"));
    TS_Language = makeLanguageTab();
    TS_Con_Options = makeConnectionTab();
    TS_Soft_Settings = makeSettingsTab();
    PC_Options->addTab(TS_Language, QString());
    PC_Options->addTab(TS_Con_Options, QString());
    PC_Options->addTab(TS_Soft_Settings, QString());
    PC_Options->setCurrentWidget(TS_Con_Options);

    Btn_OK = named(new QPushButton(this), QStringLiteral("Btn_OK"));
    Btn_Cancel = named(new QPushButton(this), QStringLiteral("Btn_Cancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_OK);
    buttons->addWidget(Btn_Cancel);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->setSpacing(8);
    body->addWidget(PC_Options, 1);
    body->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(heading_);
    layout->addLayout(body, 1);

    // Enter in a box must not store the options and close: only OK does.
    noDefaultButton(*this);

    connect(Btn_OK, &QPushButton::clicked, this, &TFSoftOptions::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    Set_Lang();
}

QWidget* TFSoftOptions::makeLanguageTab()
{
    auto* tab = named(new QWidget, QStringLiteral("TS_Language"));
    L_Sel_Lang = named(new QLabel(tab), QStringLiteral("L_Sel_Lang"));
    L_Sel_Lang->setTextFormat(Qt::PlainText);
    QFont bold = L_Sel_Lang->font();
    bold.setBold(true);
    L_Sel_Lang->setFont(bold);

    auto* slots = new QGridLayout;
    slots->setHorizontalSpacing(10);
    slots->setVerticalSpacing(4);
    for (int i = 0; i < kLangSlots; ++i) {
        const int slot = i + 1;
        I_L[i] = named(new ClickableLabel(tab), QStringLiteral("I_L%1").arg(slot));
        I_L[i]->setFixedSize(kFlagSize, kFlagSize);
        I_L[i]->setAlignment(Qt::AlignCenter);
        // A slot without a picture keeps its place, so its name stays in line with the others.
        QSizePolicy keepPlace = I_L[i]->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        I_L[i]->setSizePolicy(keepPlace);
        L_L[i] = named(new ClickableLabel(tab), QStringLiteral("L_L%1").arg(slot));
        L_L[i]->setTextFormat(Qt::PlainText);
        L_L[i]->setFocusPolicy(Qt::StrongFocus);
        // Slots 1 to 3 fill the left column, 4 to 6 the right one, top to bottom.
        const int row = i % 3;
        const int column = (i / 3) * 2;
        slots->addWidget(I_L[i], row, column);
        slots->addWidget(L_L[i], row, column + 1);
        connect(I_L[i], &ClickableLabel::clicked, this, [this, slot] { LangClick(slot); });
        connect(L_L[i], &ClickableLabel::clicked, this, [this, slot] { LangClick(slot); });
    }
    slots->setColumnStretch(1, 1);
    slots->setColumnStretch(3, 1);

    L_Page_Lang = named(new QLabel(tab), QStringLiteral("L_Page_Lang"));
    L_Page_Lang->setTextFormat(Qt::PlainText);
    L_Page_Lang->setAlignment(Qt::AlignCenter);
    Btn_Prev = named(new QPushButton(tab), QStringLiteral("Btn_Prev"));
    Btn_Next = named(new QPushButton(tab), QStringLiteral("Btn_Next"));
    // Hidden buttons keep their room so the page label does not move.
    for (QPushButton* button : {Btn_Prev, Btn_Next}) {
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
        connect(button, &QPushButton::clicked, this, [this, button] { Btn_NextClick(button); });
    }

    auto* pages = new QHBoxLayout;
    pages->addWidget(Btn_Prev);
    pages->addWidget(L_Page_Lang, 1);
    pages->addWidget(Btn_Next);

    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(10, 8, 10, 6);
    layout->addWidget(L_Sel_Lang);
    layout->addLayout(slots);
    layout->addStretch();
    layout->addLayout(pages);
    return tab;
}

QWidget* TFSoftOptions::makeConnectionTab()
{
    auto* tab = named(new QWidget, QStringLiteral("TS_Con_Options"));
    CB_En_Con = named(new QCheckBox(tab), QStringLiteral("CB_En_Con"));
    CB_Update = named(new QCheckBox(tab), QStringLiteral("CB_Update"));
    Btn_Check_Update = named(new QPushButton(tab), QStringLiteral("Btn_Check_Update"));
    LL_Check_Update = named(new QLabel(tab), QStringLiteral("LL_Check_Update"));
    LL_Check_Update->setOpenExternalLinks(false);
    LL_Check_Update->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);

    for (QCheckBox* box : {CB_En_Con, CB_Update})
        connect(box, &QCheckBox::clicked, this, &TFSoftOptions::Update_CheckBox);
    connect(Btn_Check_Update, &QPushButton::clicked, this, &TFSoftOptions::Btn_Check_UpdateClick);
    connect(LL_Check_Update, &QLabel::linkActivated, this, &TFSoftOptions::LL_Check_UpdateLinkClick);

    auto* indented = new QHBoxLayout;
    indented->addSpacing(20);
    indented->addWidget(CB_Update);

    auto* check = new QHBoxLayout;
    check->addWidget(Btn_Check_Update);
    check->addStretch();

    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(CB_En_Con);
    layout->addLayout(indented);
    layout->addSpacing(12);
    layout->addLayout(check);
    layout->addWidget(LL_Check_Update);
    layout->addStretch();
    return tab;
}

QWidget* TFSoftOptions::makeSettingsTab()
{
    auto* tab = named(new QWidget, QStringLiteral("TS_Soft_Settings"));
    CB_Soft_Set_Jump_Table = named(new QCheckBox(tab), QStringLiteral("CB_Soft_Set_Jump_Table"));
    CB_DoubleClick_Auto_Size = named(new QCheckBox(tab), QStringLiteral("CB_DoubleClick_Auto_Size"));
    for (QCheckBox* box : {CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        connect(box, &QCheckBox::clicked, this, &TFSoftOptions::Update_CheckBox);

    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(CB_Soft_Set_Jump_Table);
    layout->addWidget(CB_DoubleClick_Auto_Size);
    layout->addStretch();
    return tab;
}

void TFSoftOptions::Set_Lang()
{
    const auto& text = context_.state.TextTable;
    setWindowTitle(qs(text[300]));
    heading_->setDescription(qs(text[301]));
    PC_Options->setTabText(PC_Options->indexOf(TS_Language), qs(text[302]));
    PC_Options->setTabText(PC_Options->indexOf(TS_Con_Options), qs(text[303]));
    PC_Options->setTabText(PC_Options->indexOf(TS_Soft_Settings), qs(text[319]));
    showSelectedLanguage();
    showPageLabel(Show_Page_);
    Btn_Prev->setText(qs(text[307]));
    Btn_Next->setText(qs(text[308]));
    CB_En_Con->setText(qs(text[309]));
    CB_Update->setText(qs(text[310]));
    Btn_Check_Update->setText(qs(text[311]));
    Btn_OK->setText(qs(text[312]));
    Btn_Cancel->setText(qs(text[313]));
    CB_Soft_Set_Jump_Table->setText(qs(text[320]));
    CB_DoubleClick_Auto_Size->setText(qs(text[321]));
    showCheckResult();
    fixSizeToContents(*this, kDefaultSize);
}

void TFSoftOptions::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        const AppState& state = context_.state;
        Language_In_Use_ = state.LanguageName;
        Create_Lang_List();
        checkResult_.reset();
        LL_Check_Update->hide();
        PC_Options->setCurrentWidget(TS_Language);
        CB_En_Con->setChecked(state.EnableInternet);
        CB_Update->setChecked(state.EnableUpdateCheck);
        CB_Soft_Set_Jump_Table->setChecked(state.JumpFieldOnEnter);
        CB_DoubleClick_Auto_Size->setChecked(state.DoubleClickAutoSize);
        Update_CheckBox();
        fixSizeToContents(*this, kDefaultSize);
    }
    QDialog::showEvent(event);
}

void TFSoftOptions::Create_Lang_List()
{
    SL_Languages = birch::Create_Lang_List(context_.state.LanguageDir);
    choices_ = Language_Choices(SL_Languages);
    Show_Page_ = 1;
    Update_Lang_Page(1);
}

void TFSoftOptions::Update_Lang_Page(int Num_Page)
{
    const LangPage page = Lang_Page(choices_, Num_Page);
    showSelectedLanguage();
    showPageLabel(page.page);
    Btn_Prev->setVisible(page.prevVisible);
    Btn_Next->setVisible(page.nextVisible);
    for (int i = 0; i < kLangSlots; ++i) {
        const bool used = i < static_cast<int>(page.names.size());
        // Slot 1 stays even on an empty page; the built-in English fills it when no file exists.
        const bool shown = used || i == 0;
        L_L[i]->setVisible(shown);
        L_L[i]->setText(used ? qs(page.names[static_cast<std::size_t>(i)]) : QString());
        QPixmap picture;
        if (used) {
            for (const auto& file : Lang_Pictures(context_.state.LanguageDir, page.names[static_cast<std::size_t>(i)]))
                if (picture.load(QString::fromStdString(file.string())))
                    break;
        }
        I_L[i]->setPixmap(picture.isNull() ? QPixmap() : flagPicture(picture, I_L[i]->devicePixelRatioF()));
        I_L[i]->setVisible(shown && !picture.isNull());
    }
}

void TFSoftOptions::Btn_NextClick(QPushButton* button)
{
    const int P = Lang_Page_Count(static_cast<int>(choices_.size()));
    if (button == Btn_Next && P >= Show_Page_ + 1)
        ++Show_Page_;
    else if (button == Btn_Prev && Show_Page_ - 1 > 0)
        --Show_Page_;
    Update_Lang_Page(Show_Page_);
}

void TFSoftOptions::LangClick(int slot)
{
    const int index = (Show_Page_ - 1) * kLangSlots + slot - 1;
    if (slot < 1 || slot > kLangSlots || index >= static_cast<int>(choices_.size()))
        return;
    const std::string name = choices_[static_cast<std::size_t>(index)];
    const auto& text = context_.state.TextTable;
    const QString question = qs(text[316]) + qs(Language_In_Use_) + qs(text[317]) + qs(name) + qs(text[318]);
    if (context_.prompter.question(this, question) != Prompter::Answer::Yes)
        return;

    Language_In_Use_ = name;
    const auto notice = Switch_Language(context_.state, name);
    changeLanguage_();
    showSelectedLanguage();
    showPageLabel(Show_Page_);
    if (notice)
        context_.prompter.error(this, qs(describe(context_.state, *notice)));
}

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->setEnabled(CB_En_Con->isChecked());
    Btn_Check_Update->setEnabled(CB_Update->isEnabled() && CB_Update->isChecked());
}

void TFSoftOptions::Btn_Check_UpdateClick()
{
    // A query the user stops waiting for runs on unobserved, so it keeps its answer to itself.
    auto newer = std::make_shared<std::atomic<bool>>(false);
    const ExtraTexts& extra = context_.state.Extra;
    if (!versionQuery_.run(this, qs(extra[ext::kCheckingForNewVersion]), qs(extra[ext::kCaptionCancel]),
                           [newer, check = checkVersion_] { *newer = check(); }))
        return;
    checkResult_ = newer->load();
    showCheckResult();
}

void TFSoftOptions::LL_Check_UpdateLinkClick(const QString& link)
{
    Open_Address(context_, this, ss(link));
}

void TFSoftOptions::Btn_OKClick()
{
    AppState& state = context_.state;
    state.LanguageName = Language_In_Use_;
    state.EnableInternet = CB_En_Con->isChecked();
    // Stored as ticked, also while greyed out.
    state.EnableUpdateCheck = CB_Update->isChecked();
    state.JumpFieldOnEnter = CB_Soft_Set_Jump_Table->isChecked();
    state.DoubleClickAutoSize = CB_DoubleClick_Auto_Size->isChecked();
    accept();
}

void TFSoftOptions::showSelectedLanguage()
{
    L_Sel_Lang->setText(qs(context_.state.TextTable[304]) + qs(Language_In_Use_));
}

void TFSoftOptions::showPageLabel(int page)
{
    const auto& text = context_.state.TextTable;
    const int P = Lang_Page_Count(static_cast<int>(choices_.size()));
    L_Page_Lang->setText(qs(text[305]) + QString::number(page) + qs(text[306]) + QString::number(P));
}

void TFSoftOptions::showCheckResult()
{
    if (!checkResult_)
        return;
    const auto& text = context_.state.TextTable;
    if (*checkResult_) {
        const QString target = qs(Download_Page_Url(Maker_Addresses().downloadPage));
        LL_Check_Update->setTextFormat(Qt::RichText);
        LL_Check_Update->setText(
            QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), qs(text[314]).toHtmlEscaped()));
    } else {
        LL_Check_Update->setTextFormat(Qt::PlainText);
        LL_Check_Update->setText(qs(text[315]));
    }
    LL_Check_Update->show();
    fixSizeToContents(*this, kDefaultSize);
}

} // namespace birch
