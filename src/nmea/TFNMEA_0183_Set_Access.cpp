#include "nmea/TFNMEA_0183_Set_Access.h"

#include "core/BuildConstants.h"
#include "nmea/Catalog.h"
#include "nmea/FirstGenChannels.h"
#include "nmea/FirstGenFile.h"
#include "nmea/FirstGenGrid.h"
#include "nmea/FirstGenValidation.h"
#include "nmea/RuleMessages.h"
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
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace birch {

namespace {

namespace Column = firstgen::Column;

constexpr int kDeleteQuestion = 627;

QStringList toQStringList(const std::vector<std::string>& items)
{
    QStringList list;
    for (const auto& item : items)
        list << qs(item);
    return list;
}

} // namespace

TFNMEA_0183_Set_Access::TFNMEA_0183_Set_Access(UiContext& context, QWidget* parent)
    : QDialog(parent), context_(context), P_Title(new HeadingPanel(qs(SoftwareCode), this)),
      P_Button(new QWidget(this)), Btn_OK(new QPushButton(P_Button)), Btn_Cancel(new QPushButton(P_Button)),
      Btn_DelRow(new QPushButton(P_Button)), Btn_InsRow(new QPushButton(P_Button)),
      Btn_CopyRow(new QPushButton(P_Button)), Btn_PasteRow(new QPushButton(P_Button)),
      ASG(new GridView(context.state, static_cast<int>(firstgen::kRows) + 1, Column::Count, this)),
      rowButtons_(*ASG, context.state, context.prompter, RowFamily::Plain)
{
    setObjectName(QStringLiteral("TFNMEA_0183_Set_Access"));
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
    buttons->addStretch(1);
    buttons->addWidget(Btn_OK);
    buttons->addWidget(Btn_Cancel);
    // Enter belongs to the table (and its Enter jump): no button may take it as the default.
    noDefaultButton(*this);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->addWidget(ASG, 1);
    body->addWidget(P_Button);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(P_Title);
    layout->addLayout(body, 1);

    buildTable();

    connect(Btn_OK, &QPushButton::clicked, this, &TFNMEA_0183_Set_Access::onOk);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Btn_DelRow, &QPushButton::clicked, this, &TFNMEA_0183_Set_Access::onDeleteRow);
    connect(Btn_InsRow, &QPushButton::clicked, this, &TFNMEA_0183_Set_Access::onInsertRow);
    connect(Btn_CopyRow, &QPushButton::clicked, this, [this] { rowButtons_.copyRow(); });
    connect(Btn_PasteRow, &QPushButton::clicked, this, &TFNMEA_0183_Set_Access::onPasteRow);
    connect(ASG, &GridView::cellChosen, this,
            [this](int row, int column, const QString&) { onCellChosen(row, column); });

    resize(firstgen::kClientWidth, firstgen::kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Set_Lang();
}

const Catalog& TFNMEA_0183_Set_Access::catalog() const
{
    return context_.state.NMEA0183.value();
}

void TFNMEA_0183_Set_Access::buildTable()
{
    firstgen::Reset_Grid(ASG->grid());
    for (int column = 0; column < Column::Count; ++column)
        ASG->setColumnWidth(column, firstgen::kColumnWidths[static_cast<std::size_t>(column)]);
    ASG->horizontalHeader()->setStretchLastSection(false);
    ASG->setStretchColumns({Column::Mnemonic});
    ASG->setDropDown(Column::Sentence, [this](int, int) { return toQStringList(catalog().offeredSentencesSorted()); });
    ASG->setDropDown(Column::SerialChannel,
                     [](int, int) { return toQStringList(SerialChannel_SL(firstgen::kEnable_Serial)); });
    ASG->refresh();
}

void TFNMEA_0183_Set_Access::Set_Lang()
{
    const TextList& texts = context_.state.TextTable;
    setWindowTitle(qs(texts[600]));
    P_Title->setDescription(qs(texts[601]));
    Btn_OK->setText(qs(texts[602]));
    Btn_Cancel->setText(qs(texts[603]));
    Btn_DelRow->setText(qs(texts[604]));
    Btn_InsRow->setText(qs(texts[605]));
    Btn_CopyRow->setText(qs(texts[606]));
    Btn_PasteRow->setText(qs(texts[607]));
    Btn_OK->setToolTip(plainToolTip(qs(texts[608])));
    Btn_Cancel->setToolTip(plainToolTip(qs(texts[609])));
    Btn_DelRow->setToolTip(plainToolTip(qs(texts[610])));
    Btn_InsRow->setToolTip(plainToolTip(qs(texts[611])));
    Btn_CopyRow->setToolTip(plainToolTip(qs(texts[612])));
    Btn_PasteRow->setToolTip(plainToolTip(qs(texts[613])));
    GridModel& grid = ASG->grid();
    for (int column = 0; column < Column::Count; ++column) {
        const auto at = static_cast<std::size_t>(column);
        grid.setText(0, column, texts[firstgen::kHeaderTexts[at]]);
        const int hint = firstgen::kHeaderHints[at];
        grid.setHeaderHint(column, hint == 0 ? std::string() : texts[hint]);
    }
    ASG->refresh();
    ASG->widenToHeaders();
}

void TFNMEA_0183_Set_Access::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        loadList();
}

void TFNMEA_0183_Set_Access::loadList()
{
    const AppState& state = context_.state;
    GridModel& grid = ASG->grid();
    firstgen::Reset_Grid(grid);
    rowButtons_.setCopied(false);
    const firstgen::FileLoad load = firstgen::loadFile(state.NmeaAccessFile, catalog());
    keepDamagedFile_ = load.damaged();
    firstgen::fillGrid(grid, load.rules, catalog());
    ASG->refresh();
    ASG->setCurrentCell(1, Column::Enable);
    ASG->setFocus();
    if (const auto message = loadMessage(state.Extra, load, state.NmeaAccessFile))
        context_.prompter.tell(this, load.damaged() ? Prompter::Kind::Error : Prompter::Kind::Warning, qs(*message));
}

void TFNMEA_0183_Set_Access::onCellChosen(int row, int column)
{
    if (column != Column::Sentence)
        return;
    firstgen::Set_Index_Editable(ASG->grid(), row, catalog());
    ASG->refreshCell(row, Column::Index);
}

void TFNMEA_0183_Set_Access::onOk()
{
    const firstgen::RuleTable rules = firstgen::rulesFromGrid(ASG->grid());
    if (const auto failure = firstgen::Controllo_dati(catalog(), rules)) {
        ASG->focusCell(failure->rowToCorrect(), failure->column);
        context_.prompter.error(this, qs(firstgen::failureText(context_.state.TextTable, *failure)));
        return;
    }
    if (!confirmRowsNotSaved(rules))
        return;
    const auto& file = context_.state.NmeaAccessFile;
    const ListenerFileSave save = firstgen::saveFile(file, rules, catalog(), context_.fileWriter, keepDamagedFile_);
    if (!save.ok()) {
        context_.prompter.error(this, qs(saveMessage(context_.state.Extra, save, file)));
        return;
    }
    keepDamagedFile_ = false;
    accept();
}

bool TFNMEA_0183_Set_Access::confirmRowsNotSaved(const firstgen::RuleTable& rules)
{
    const auto unsaved = rowsNotSaved(rules);
    if (!unsaved)
        return true;
    const QString question = qs(rowsNotSavedQuestion(context_.state.Extra, *unsaved));
    if (context_.prompter.destructiveQuestion(this, question) == Prompter::Answer::Yes)
        return true;
    ASG->focusCell(unsaved->firstWithoutSentence, Column::Sentence);
    return false;
}

void TFNMEA_0183_Set_Access::onDeleteRow()
{
    if (rowButtons_.deleteRow(context_.state.TextTable[kDeleteQuestion], false))
        resetIndexEditability();
}

void TFNMEA_0183_Set_Access::onInsertRow()
{
    rowButtons_.insertRow(true);
    resetIndexEditability();
}

void TFNMEA_0183_Set_Access::onPasteRow()
{
    if (rowButtons_.pasteRow())
        resetIndexEditability();
}

void TFNMEA_0183_Set_Access::resetIndexEditability()
{
    firstgen::Set_Index_Editable_All(ASG->grid(), catalog());
    ASG->refresh();
}

} // namespace birch
