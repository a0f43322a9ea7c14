#include "nmea/TFNMEA_0183_Set_Access2.h"

#include "core/BuildConstants.h"
#include "nmea/Catalog.h"
#include "nmea/PostOperations.h"
#include "nmea/RuleFile.h"
#include "nmea/RuleGrid.h"
#include "nmea/RuleMessages.h"
#include "nmea/RuleValidation.h"
#include "nmea/SerialChannels.h"
#include "nmea/TFDataAreaPanel.h"
#include "nmea/UnsavedRows.h"
#include "widgets/GridView.h"
#include "widgets/HeadingPanel.h"
#include "widgets/NoDefaultButton.h"
#include "widgets/PlainText.h"
#include "widgets/QtText.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

#include <array>

namespace birch {

namespace {

constexpr int kClientWidth = 1200;
constexpr int kClientHeight = 337;
constexpr std::array<int, RuleColumn::Count> kColumnWidths = {40, 50, 120, 120, 50, 280, 120, 60, 60, 60, 160};
// Header text and header hint of each column (0: none).
constexpr std::array<int, RuleColumn::Count> kHeaderTexts = {1014, 1015, 1016, 1017, 1040, 1018,
                                                             1019, 1020, 1021, 1022, 1023};
constexpr std::array<int, RuleColumn::Count> kHeaderHints = {0,    1024, 1025, 1026, 1041, 1027,
                                                             1028, 1029, 1030, 1031, 1032};

QStringList toQStringList(const std::vector<std::string>& items)
{
    QStringList list;
    for (const auto& item : items)
        list << qs(item);
    return list;
}

} // namespace

TFNMEA_0183_Set_Access2::TFNMEA_0183_Set_Access2(UiContext& context, QWidget* parent)
    : QDialog(parent), context_(context), P_Title(new HeadingPanel(qs(SoftwareCode), this)),
      P_Button(new QWidget(this)), Btn_OK(new QPushButton(P_Button)), Btn_Cancel(new QPushButton(P_Button)),
      Btn_DelRow(new QPushButton(P_Button)), Btn_InsRow(new QPushButton(P_Button)),
      Btn_CopyRow(new QPushButton(P_Button)), Btn_PasteRow(new QPushButton(P_Button)),
      ASG(new GridView(context.state, static_cast<int>(kRuleRows) + 1, RuleColumn::Count, this)),
      rowButtons_(*ASG, context.state, context.prompter, RowFamily::CheckBox), Enable_Serial(kAllSerialChannels),
      serialChannels_(birch::SerialChannel_SL(kAllSerialChannels))
{
    setObjectName(QStringLiteral("TFNMEA_0183_Set_Access2"));
    ASG->setObjectName(QStringLiteral("ASG"));
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    Btn_DelRow->setObjectName(QStringLiteral("Btn_DelRow"));
    Btn_InsRow->setObjectName(QStringLiteral("Btn_InsRow"));
    Btn_CopyRow->setObjectName(QStringLiteral("Btn_CopyRow"));
    Btn_PasteRow->setObjectName(QStringLiteral("Btn_PasteRow"));

    auto* buttons = new QHBoxLayout(P_Button);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(Btn_DelRow);
    buttons->addWidget(Btn_InsRow);
    buttons->addWidget(Btn_CopyRow);
    buttons->addWidget(Btn_PasteRow);
    buildDataArea();
    buttons->addWidget(Btn_Export);
    buttons->addWidget(Btn_Capture);
    buttons->addStretch(1);
    buttons->addWidget(Btn_OK);
    buttons->addWidget(Btn_Cancel);
    // Enter belongs to the table (and its Enter jump): no button may take it as the default.
    noDefaultButton(*this);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(ASG);
    split->addWidget(P_DataArea);
    split->setStretchFactor(0, 1);
    split->setCollapsible(0, false);
    body->addWidget(split, 1);
    body->addWidget(P_Button);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(P_Title);
    layout->addLayout(body, 1);

    buildTable();

    connect(Btn_OK, &QPushButton::clicked, this, &TFNMEA_0183_Set_Access2::onOk);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Btn_DelRow, &QPushButton::clicked, this, &TFNMEA_0183_Set_Access2::onDeleteRow);
    connect(Btn_InsRow, &QPushButton::clicked, this, &TFNMEA_0183_Set_Access2::onInsertRow);
    connect(Btn_CopyRow, &QPushButton::clicked, this, [this] { rowButtons_.copyRow(); });
    connect(Btn_PasteRow, &QPushButton::clicked, this, &TFNMEA_0183_Set_Access2::onPasteRow);
    connect(ASG, &GridView::cellChosen, this, &TFNMEA_0183_Set_Access2::onCellChosen);

    // The data-area map comes on top of the table's own room, so the table shows as many rows as
    // it did without the map.
    resize(kClientWidth, kClientHeight + P_DataArea->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Set_Lang();
}

const Catalog& TFNMEA_0183_Set_Access2::catalog() const
{
    return context_.state.NMEA0183.value();
}

void TFNMEA_0183_Set_Access2::buildTable()
{
    Reset_Rule_Grid(ASG->grid());
    for (int column = 0; column < RuleColumn::Count; ++column)
        ASG->setColumnWidth(column, kColumnWidths[static_cast<std::size_t>(column)]);
    ASG->horizontalHeader()->setStretchLastSection(false);
    ASG->setStretchColumns({RuleColumn::DataField, RuleColumn::Mnemonic});
    ASG->setDropDown(RuleColumn::SerialChannel, [this](int, int) { return toQStringList(serialChannels_); });
    ASG->setDropDown(RuleColumn::Sentence, [this](int, int) { return toQStringList(catalog().offeredSentences()); });
    ASG->setDropDown(RuleColumn::DataField, [this](int row, int) {
        const std::string& sentence = ASG->grid().text(row, RuleColumn::Sentence);
        return toQStringList(catalog().fieldTexts(catalog().GetIndexSentence(sentence)));
    });
    ASG->setDropDown(RuleColumn::PostOpe, [](int, int) {
        QStringList list;
        for (const auto entry : PostOpe_SL)
            list << qs(entry);
        return list;
    });
    ASG->refresh();
}

void TFNMEA_0183_Set_Access2::Set_Lang()
{
    const TextList& texts = context_.state.TextTable;
    setWindowTitle(qs(texts[1000]));
    P_Title->setDescription(qs(texts[1001]));
    Btn_OK->setText(qs(texts[1002]));
    Btn_Cancel->setText(qs(texts[1003]));
    Btn_DelRow->setText(qs(texts[1004]));
    Btn_InsRow->setText(qs(texts[1005]));
    Btn_CopyRow->setText(qs(texts[1006]));
    Btn_PasteRow->setText(qs(texts[1007]));
    Btn_OK->setToolTip(plainToolTip(qs(texts[1008])));
    Btn_Cancel->setToolTip(plainToolTip(qs(texts[1009])));
    Btn_DelRow->setToolTip(plainToolTip(qs(texts[1010])));
    Btn_InsRow->setToolTip(plainToolTip(qs(texts[1011])));
    Btn_CopyRow->setToolTip(plainToolTip(qs(texts[1012])));
    Btn_PasteRow->setToolTip(plainToolTip(qs(texts[1013])));
    setDataAreaTexts();
    GridModel& grid = ASG->grid();
    for (int column = 0; column < RuleColumn::Count; ++column) {
        const auto at = static_cast<std::size_t>(column);
        grid.setText(0, column, texts[kHeaderTexts[at]]);
        grid.setHeaderHint(column, kHeaderHints[at] == 0 ? std::string() : texts[kHeaderHints[at]]);
    }
    ASG->refresh();
    ASG->widenToHeaders();
}

void TFNMEA_0183_Set_Access2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        loadRules();
}

void TFNMEA_0183_Set_Access2::loadRules()
{
    const AppState& state = context_.state;
    GridModel& grid = ASG->grid();
    Reset_Rule_Grid(grid);
    capture_.reset();
    Enable_Serial = birch::Enable_Serial(state.ParGenFile);
    serialChannels_ = birch::SerialChannel_SL(Enable_Serial);
    const RuleFileLoad load = loadRuleFile(state.NmeaAccessFile, catalog(), serialChannels_);
    keepDamagedFile_ = load.damaged();
    if (load.status == RuleFileLoad::Status::Ok)
        fillRuleGrid(grid, load.rules, catalog());
    ASG->refresh();
    ASG->setCurrentCell(1, RuleColumn::Enable);
    ASG->setFocus();
    if (const auto message = loadMessage(state.Extra, load, state.NmeaAccessFile))
        context_.prompter.tell(this, load.damaged() ? Prompter::Kind::Error : Prompter::Kind::Warning, qs(*message));
}

void TFNMEA_0183_Set_Access2::onCellChosen(int row, int column, const QString& text)
{
    if (column == RuleColumn::Sentence)
        Choose_Sentence(ASG->grid(), catalog(), row, ss(text));
    else if (column == RuleColumn::DataField)
        Choose_DataField(ASG->grid(), catalog(), row, ss(text));
    else
        return;
    ASG->refresh();
}

void TFNMEA_0183_Set_Access2::onOk()
{
    const RuleTable rules = rulesFromGrid(ASG->grid());
    if (const auto failure = Controllo_dati(catalog(), rules)) {
        ASG->focusCell(failure->row, failure->column);
        context_.prompter.error(this, qs(failureText(context_.state.TextTable, *failure)));
        return;
    }
    if (!confirmRowsNotSaved(rules) || !confirmOverlaps(rules))
        return;
    const auto& file = context_.state.NmeaAccessFile;
    const RuleFileSave save = saveRuleFile(file, rules, context_.fileWriter, keepDamagedFile_);
    if (!save.ok()) {
        context_.prompter.error(this, qs(saveMessage(context_.state.Extra, save, file)));
        return;
    }
    keepDamagedFile_ = false;
    accept();
}

bool TFNMEA_0183_Set_Access2::confirmRowsNotSaved(const RuleTable& rules)
{
    const auto unsaved = rowsNotSaved(rules);
    if (!unsaved)
        return true;
    const QString question = qs(rowsNotSavedQuestion(context_.state.Extra, *unsaved));
    if (context_.prompter.destructiveQuestion(this, question) == Prompter::Answer::Yes)
        return true;
    ASG->focusCell(unsaved->firstWithoutSentence, RuleColumn::Sentence);
    return false;
}

void TFNMEA_0183_Set_Access2::onDeleteRow()
{
    if (!rowButtons_.deleteRow(context_.state.TextTable[1039], true))
        return;
    Set_Index_Editable_All(ASG->grid(), catalog());
    ASG->refresh();
}

void TFNMEA_0183_Set_Access2::onInsertRow()
{
    rowButtons_.insertRow(true);
    Set_Index_Editable_All(ASG->grid(), catalog());
    ASG->refresh();
}

void TFNMEA_0183_Set_Access2::onPasteRow()
{
    rowButtons_.pasteRow();
    const int row = ASG->currentRow();
    if (ASG->grid().isDataRow(row)) {
        Set_Index_Editable(ASG->grid(), row, catalog());
        ASG->refresh();
    }
}

} // namespace birch
