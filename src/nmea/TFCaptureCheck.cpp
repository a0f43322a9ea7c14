#include "nmea/TFCaptureCheck.h"

#include "common/FileRead.h"
#include "lang/ExtraTextNumbers.h"
#include "lang/FileNoticeText.h"
#include "nmea/CaptureCheckText.h"
#include "nmea/CaptureFile.h"
#include "params/ParGenFile.h"
#include "params/SerialPortSettings.h"
#include "widgets/DropDownList.h"
#include "widgets/NoDefaultButton.h"
#include "widgets/QtText.h"
#include "widgets/SerialListen.h"

#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QSpinBox>
#include <QVBoxLayout>

#include <chrono>

namespace birch {

namespace {
constexpr int kOkCaption = 1002;
constexpr int kDefaultSeconds = 10;
constexpr int kMaxSeconds = 3600;
} // namespace

TFCaptureCheck::TFCaptureCheck(UiContext& context, QWidget* parent)
    : QDialog(parent), context_(context), L_File(new QLabel(this)), E_File(new QLineEdit(this)),
      Btn_Browse(new QPushButton(this)), Btn_CheckFile(new QPushButton(this)), L_Channel(new QLabel(this)),
      CB_Channel(new QComboBox(this)), L_Settings(new QLabel(this)), L_Port(new QLabel(this)),
      CB_Port(new QComboBox(this)), L_Seconds(new QLabel(this)), SE_Seconds(new QSpinBox(this)),
      Btn_Listen(new QPushButton(this)), M_Result(new QPlainTextEdit(this)), Btn_OK(new QPushButton(this))
{
    setObjectName(QStringLiteral("TFCaptureCheck"));
    E_File->setObjectName(QStringLiteral("E_File"));
    Btn_Browse->setObjectName(QStringLiteral("Btn_Browse"));
    Btn_CheckFile->setObjectName(QStringLiteral("Btn_CheckFile"));
    CB_Channel->setObjectName(QStringLiteral("CB_Channel"));
    L_Settings->setObjectName(QStringLiteral("L_Settings"));
    CB_Port->setObjectName(QStringLiteral("CB_Port"));
    SE_Seconds->setObjectName(QStringLiteral("SE_Seconds"));
    Btn_Listen->setObjectName(QStringLiteral("Btn_Listen"));
    M_Result->setObjectName(QStringLiteral("M_Result"));
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));

    for (QLabel* label : {L_File, L_Channel, L_Settings, L_Port, L_Seconds})
        label->setTextFormat(Qt::PlainText);
    CB_Port->setEditable(true);
    CB_Port->setMinimumContentsLength(18);
    for (QComboBox* list : {CB_Channel, CB_Port})
        limitDropDownRows(*list);
    SE_Seconds->setRange(1, kMaxSeconds);
    SE_Seconds->setValue(kDefaultSeconds);
    M_Result->setReadOnly(true);
    M_Result->setLineWrapMode(QPlainTextEdit::NoWrap);
    M_Result->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    noDefaultButton(*this);

    auto* grid = new QGridLayout;
    grid->addWidget(L_File, 0, 0);
    grid->addWidget(E_File, 0, 1, 1, 3);
    grid->addWidget(Btn_Browse, 0, 4);
    grid->addWidget(Btn_CheckFile, 0, 5);
    grid->addWidget(L_Channel, 1, 0);
    grid->addWidget(CB_Channel, 1, 1);
    grid->addWidget(L_Settings, 1, 2, 1, 4);
    grid->addWidget(L_Port, 2, 0);
    grid->addWidget(CB_Port, 2, 1);
    grid->addWidget(L_Seconds, 2, 2, Qt::AlignRight);
    grid->addWidget(SE_Seconds, 2, 3);
    grid->addWidget(Btn_Listen, 2, 5);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Btn_OK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(M_Result, 1);
    layout->addLayout(buttons);

    connect(Btn_Browse, &QPushButton::clicked, this, &TFCaptureCheck::onBrowse);
    connect(Btn_CheckFile, &QPushButton::clicked, this, &TFCaptureCheck::onCheckFile);
    connect(Btn_Listen, &QPushButton::clicked, this, &TFCaptureCheck::onListen);
    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CB_Channel, &QComboBox::currentIndexChanged, this, &TFCaptureCheck::onChannelChanged);
    resize(900, 520);
    Set_Lang();
}

void TFCaptureCheck::Set_Lang()
{
    const ExtraTexts& extra = context_.state.Extra;
    setWindowTitle(qs(extra[ext::kCaptureTitle]));
    L_File->setText(qs(extra[ext::kCaptureFile]));
    Btn_Browse->setText(qs(extra[ext::kCaptureBrowse]));
    Btn_CheckFile->setText(qs(extra[ext::kCaptureCheckFile]));
    L_Channel->setText(qs(extra[ext::kCaptureChannel]));
    L_Port->setText(qs(extra[ext::kCaptureDevice]));
    L_Seconds->setText(qs(extra[ext::kCaptureSeconds]));
    Btn_Listen->setText(qs(extra[ext::kCaptureListen]));
    Btn_OK->setText(qs(context_.state.TextTable[kOkCaption]));
    if (CB_Channel->count() > 0)
        CB_Channel->setItemText(0, qs(extra[ext::kCaptureAllChannels]));
    onChannelChanged();
}

void TFCaptureCheck::prepare(std::vector<PlacedRule> rules, const std::vector<std::string>& channels, Checked checked)
{
    rules_ = std::move(rules);
    checked_ = std::move(checked);
    M_Result->clear();
    const QString previous = CB_Channel->currentData().toString();
    CB_Channel->clear();
    CB_Channel->addItem(qs(context_.state.Extra[ext::kCaptureAllChannels]), QString());
    for (const std::string& channel : channels)
        CB_Channel->addItem(qs(channel), qs(channel));
    CB_Channel->setCurrentIndex(std::max(0, CB_Channel->findData(previous)));
    const QString port = CB_Port->currentText();
    CB_Port->clear();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        CB_Port->addItem(info.systemLocation());
    if (!port.isEmpty())
        CB_Port->setEditText(port);
    onChannelChanged();
}

std::optional<std::string> TFCaptureCheck::chosenChannel() const
{
    const QString channel = CB_Channel->currentData().toString();
    if (channel.isEmpty())
        return std::nullopt;
    return ss(channel);
}

void TFCaptureCheck::onChannelChanged()
{
    const auto channel = chosenChannel();
    Btn_Listen->setEnabled(channel.has_value());
    if (!channel) {
        L_Settings->clear();
        return;
    }
    const ParGenLoad parameters = LoadParGen(context_.state.ParGenFile);
    const auto settings = serialPortSettings(parameters.record, *channel);
    L_Settings->setText(
        settings ? qs(context_.state.Extra[ext::kCapturePortSettings] + serialPortSettingsText(*settings)) : QString());
}

void TFCaptureCheck::onBrowse()
{
    const auto chosen = context_.prompter.openFileName(this, qs(context_.state.Extra[ext::kCaptureTitle]),
                                                       QFile::decodeName(context_.state.ProjectDir.c_str()),
                                                       QStringLiteral("NMEA 0183 (*.nmea *.txt *.log);;* (*)"));
    if (chosen)
        E_File->setText(*chosen);
}

void TFCaptureCheck::onCheckFile()
{
    const QString name = E_File->text();
    const std::filesystem::path file = QFile::encodeName(name).toStdString();
    const FileReadResult read = readFileForParsing(file, kMaxCaptureSize);
    if (!read.ok()) {
        const QString reason = read.reason.empty() ? QString() : QStringLiteral("\n") + qs(read.reason);
        context_.prompter.error(this, qs(context_.state.Extra[ext::kFileCannotBeRead]) + name + reason);
        return;
    }
    CaptureStats capture(context_.state.NMEA0183.value());
    capture.addText(read.bytes);
    capture.finish();
    showCheck(capture);
}

void TFCaptureCheck::onListen()
{
    const auto channel = chosenChannel();
    if (!channel)
        return;
    const ExtraTexts& extra = context_.state.Extra;
    const ParGenLoad parameters = LoadParGen(context_.state.ParGenFile);
    if (parameters.damaged()) {
        const int text =
            parameters.status == ParGenLoad::Status::Unreadable ? ext::kFileCannotBeRead : ext::kFileCannotBeParsed;
        context_.prompter.error(this, qs(describe(extra, FileNotice{text, context_.state.ParGenFile, parameters.reason,
                                                                    false, parameters.at})));
        return;
    }
    const SerialPortSettings settings = serialPortSettings(parameters.record, *channel).value();
    const QString port = CB_Port->currentText().trimmed();
    CaptureStats capture(context_.state.NMEA0183.value());
    const ListenOutcome outcome = Listen_Serial(
        this, qs(extra[ext::kCaptureListening]) + port, qs(extra[ext::kCaptionCancel]),
        SerialLine{port, settings.baud, settings.parity, settings.stopBits}, std::chrono::seconds(SE_Seconds->value()),
        [&capture](std::string_view bytes) { capture.addText(bytes); });
    capture.finish();
    switch (outcome.status) {
    case ListenOutcome::Status::NotOpened:
        context_.prompter.error(this,
                                qs(extra[ext::kCapturePortNotOpened]) + port + QStringLiteral("\n") + outcome.reason);
        return;
    case ListenOutcome::Status::Failed:
        context_.prompter.warning(this, qs(extra[ext::kCapturePortError]) + outcome.reason);
        break;
    case ListenOutcome::Status::Listened:
        break;
    }
    showCheck(capture);
}

void TFCaptureCheck::showCheck(const CaptureStats& capture)
{
    const auto channel = chosenChannel();
    const CaptureCheck check = checkCapture(context_.state.NMEA0183.value(), rules_, capture,
                                            channel ? std::optional<std::string_view>(*channel) : std::nullopt);
    M_Result->setPlainText(qs(captureCheckText(check)));
    if (checked_)
        checked_(capture, channel);
}

} // namespace birch
