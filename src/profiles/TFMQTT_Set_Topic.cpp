#include "profiles/TFMQTT_Set_Topic.h"

#include "core/BuildConstants.h"
#include "profiles/MqttTopicColumns.h"
#include "profiles/MqttTopicFile.h"
#include "profiles/MqttTopicGrid.h"
#include "profiles/MqttTopicMessages.h"
#include "widgets/GridView.h"
#include "widgets/HeadingPanel.h"
#include "widgets/NoDefaultButton.h"
#include "widgets/PlainText.h"
#include "widgets/QtText.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

namespace birch {

namespace {
constexpr int kClientWidth = 1100;
constexpr int kClientHeight = 337;
constexpr int kDeleteQuestion = 1323;
} // namespace

TFMQTT_Set_Topic::TFMQTT_Set_Topic(UiContext& context, QWidget* parent)
    : QDialog(parent), context_(context), P_Title(new HeadingPanel(qs(SoftwareCode), this)),
      PC_MQTT(new QTabWidget(this)), TS_MQTT_Publish(new QWidget), TS_MQTT_Subscribe(new QWidget),
      ACG_Pub(new GridView(context.state, kMqttTopicRows + 1, PubColumn::Count, TS_MQTT_Publish)),
      ACG_Sub(new GridView(context.state, kMqttTopicRows + 1, SubColumn::Count, TS_MQTT_Subscribe)),
      P_Button(new QWidget(this)), Btn_OK(new QPushButton(P_Button)), Btn_Cancel(new QPushButton(P_Button)),
      Btn_DelRow(new QPushButton(P_Button)), Btn_InsRow(new QPushButton(P_Button)),
      Btn_CopyRow(new QPushButton(P_Button)), Btn_PasteRow(new QPushButton(P_Button)),
      pubRows_(*ACG_Pub, context.state, context.prompter, RowFamily::Plain),
      subRows_(*ACG_Sub, context.state, context.prompter, RowFamily::Plain), Byte_IN(kMqttByteIn),
      Byte_OUT(kMqttByteOut)
{
    setObjectName(QStringLiteral("TFMQTT_Set_Topic"));
    PC_MQTT->setObjectName(QStringLiteral("PC_MQTT"));
    TS_MQTT_Publish->setObjectName(QStringLiteral("TS_MQTT_Publish"));
    TS_MQTT_Subscribe->setObjectName(QStringLiteral("TS_MQTT_Subscribe"));
    ACG_Pub->setObjectName(QStringLiteral("ACG_Pub"));
    ACG_Sub->setObjectName(QStringLiteral("ACG_Sub"));
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    Btn_DelRow->setObjectName(QStringLiteral("Btn_DelRow"));
    Btn_InsRow->setObjectName(QStringLiteral("Btn_InsRow"));
    Btn_CopyRow->setObjectName(QStringLiteral("Btn_CopyRow"));
    Btn_PasteRow->setObjectName(QStringLiteral("Btn_PasteRow"));

    for (auto [page, table] : {std::pair{TS_MQTT_Publish, ACG_Pub}, std::pair{TS_MQTT_Subscribe, ACG_Sub}}) {
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(0, 0, 0, 0);
        pageLayout->addWidget(table);
    }
    PC_MQTT->addTab(TS_MQTT_Publish, QString());
    PC_MQTT->addTab(TS_MQTT_Subscribe, QString());
    // The subscribe list is read and checked but never offered for editing.
    PC_MQTT->setTabVisible(PC_MQTT->indexOf(TS_MQTT_Subscribe), false);

    auto* buttons = new QHBoxLayout(P_Button);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(Btn_DelRow);
    buttons->addWidget(Btn_InsRow);
    buttons->addWidget(Btn_CopyRow);
    buttons->addWidget(Btn_PasteRow);
    buttons->addStretch(1);
    buttons->addWidget(Btn_OK);
    buttons->addWidget(Btn_Cancel);
    // Enter belongs to the tables (and their Enter jump): no button may take it as the default.
    noDefaultButton(*this);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->addWidget(PC_MQTT, 1);
    body->addWidget(P_Button);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(P_Title);
    layout->addLayout(body, 1);

    buildTables();

    connect(Btn_OK, &QPushButton::clicked, this, &TFMQTT_Set_Topic::onOk);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Btn_DelRow, &QPushButton::clicked, this, &TFMQTT_Set_Topic::onDeleteRow);
    connect(Btn_InsRow, &QPushButton::clicked, this, &TFMQTT_Set_Topic::onInsertRow);
    connect(Btn_CopyRow, &QPushButton::clicked, this, &TFMQTT_Set_Topic::onCopyRow);
    connect(Btn_PasteRow, &QPushButton::clicked, this, &TFMQTT_Set_Topic::onPasteRow);

    resize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Set_Lang();
}

void TFMQTT_Set_Topic::Set_Lang()
{
    const TextList& texts = context_.state.TextTable;
    setWindowTitle(qs(texts[1300]));
    P_Title->setDescription(qs(texts[1301]));
    Btn_OK->setText(qs(texts[1302]));
    Btn_Cancel->setText(qs(texts[1303]));
    Btn_DelRow->setText(qs(texts[1304]));
    Btn_InsRow->setText(qs(texts[1305]));
    Btn_CopyRow->setText(qs(texts[1306]));
    Btn_PasteRow->setText(qs(texts[1307]));
    Btn_OK->setToolTip(plainToolTip(qs(texts[1308])));
    Btn_Cancel->setToolTip(plainToolTip(qs(texts[1309])));
    Btn_DelRow->setToolTip(plainToolTip(qs(texts[1310])));
    Btn_InsRow->setToolTip(plainToolTip(qs(texts[1311])));
    Btn_CopyRow->setToolTip(plainToolTip(qs(texts[1312])));
    Btn_PasteRow->setToolTip(plainToolTip(qs(texts[1313])));
    PC_MQTT->setTabText(PC_MQTT->indexOf(TS_MQTT_Publish), qs(texts[1333]));
    PC_MQTT->setTabText(PC_MQTT->indexOf(TS_MQTT_Subscribe), qs(texts[1334]));
    setHeaderTexts();
}

void TFMQTT_Set_Topic::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFMQTT_Set_Topic::FormShow()
{
    const AppState& state = context_.state;
    workingMode_ = 1;
    Byte_IN = kMqttByteIn;
    Byte_OUT = kMqttByteOut;
    Reset_Mqtt_Publish_Grid(ACG_Pub->grid());
    Reset_Mqtt_Subscribe_Grid(ACG_Sub->grid());
    PC_MQTT->setCurrentWidget(TS_MQTT_Publish);

    const MqttTopicLoad load = loadMqttTopicFile(state.MqttTopicFile);
    fillMqttGrids(ACG_Pub->grid(), ACG_Sub->grid(), load);
    subscribeRowsRead_ = load.subscribeRowsInFile();
    keepDamagedFile_ = load.damaged();
    pubRows_.setCopied(false);
    subRows_.setCopied(false);

    ACG_Pub->refresh();
    ACG_Sub->refresh();
    ACG_Sub->setCurrentCell(1, SubColumn::Topic);
    ACG_Pub->setCurrentCell(1, PubColumn::Topic);
    ACG_Pub->setFocus();
    if (const auto message = mqttLoadMessage(state.Extra, load, state.MqttTopicFile, true))
        context_.prompter.tell(this, load.damaged() ? Prompter::Kind::Error : Prompter::Kind::Warning, qs(*message));
}

bool TFMQTT_Set_Topic::publishActive() const
{
    return PC_MQTT->currentWidget() == TS_MQTT_Publish;
}

void TFMQTT_Set_Topic::onDeleteRow()
{
    (publishActive() ? pubRows_ : subRows_).deleteRow(context_.state.TextTable[kDeleteQuestion], false);
}

void TFMQTT_Set_Topic::onInsertRow()
{
    (publishActive() ? pubRows_ : subRows_).insertRow(false);
}

// The copy buffer is shared, so a copy in one table leaves nothing to paste in the other.
void TFMQTT_Set_Topic::onCopyRow()
{
    RowButtons& active = publishActive() ? pubRows_ : subRows_;
    RowButtons& other = publishActive() ? subRows_ : pubRows_;
    if (active.copyRow())
        other.setCopied(false);
}

void TFMQTT_Set_Topic::onPasteRow()
{
    (publishActive() ? pubRows_ : subRows_).pasteRow();
}

} // namespace birch
