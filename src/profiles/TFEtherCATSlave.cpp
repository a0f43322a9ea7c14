#include "profiles/TFEtherCATSlave.h"

#include "core/BuildConstants.h"
#include "profiles/EtherCatGrid.h"
#include "profiles/EtherCatPlacement.h"
#include "profiles/EtherCatSlaveFile.h"
#include "profiles/EtherCatSlaveMessages.h"
#include "profiles/EtherCatTypes.h"
#include "widgets/GridView.h"
#include "widgets/HeadingPanel.h"
#include "widgets/NoDefaultButton.h"
#include "widgets/PlainText.h"
#include "widgets/QtText.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>
#include <initializer_list>

namespace birch {

namespace {

constexpr int kClientWidth = 1200;
constexpr int kClientHeight = 337;
constexpr int kTableRows = static_cast<int>(kVariableRows) + 1;
constexpr std::array<int, 5> kFirstColumnWidths = {40, 50, 120, 100, 280};
constexpr int kFurtherColumnWidth = 100;

// Header texts and header hints (0: none) of each column.
constexpr std::array<int, 9> kSlaveMasterHeaders = {1514, 1515, 1516, 1517, 1519, 1520, 1521, 1522, 1523};
constexpr std::array<int, 9> kSlaveMasterHints = {0, 1524, 1525, 1526, 1528, 1529, 1530, 1531, 1532};
// The master-to-slave headers as the table is built, and as a language change sets them.
constexpr std::array<int, 8> kMasterSlaveInitHeaders = {1514, 1515, 1516, 1517, 1519, 1521, 1522, 1523};
constexpr std::array<int, 8> kMasterSlaveHeaders = {1536, 1537, 1538, 1539, 1540, 1541, 1542, 1543};
constexpr std::array<int, 8> kMasterSlaveHints = {0, 1544, 1545, 1546, 1547, 1548, 1549, 1550};

template <std::size_t N> void setHeaders(GridView& table, const TextList& texts, const std::array<int, N>& headers)
{
    for (std::size_t column = 0; column < N; ++column)
        table.grid().setText(0, static_cast<int>(column), texts[headers[column]]);
}

template <std::size_t N> void setHints(GridView& table, const TextList& texts, const std::array<int, N>& hints)
{
    for (std::size_t column = 0; column < N; ++column)
        table.grid().setHeaderHint(static_cast<int>(column), hints[column] == 0 ? std::string() : texts[hints[column]]);
}

} // namespace

TFEtherCATSlave::TFEtherCATSlave(UiContext& context, QWidget* parent)
    : QDialog(parent), context_(context), P_Title(new HeadingPanel(qs(SoftwareCode), this)), PC(new QTabWidget(this)),
      TS_SlaveToMaster(new QWidget), TS_MasterToSlave(new QWidget),
      ASG_SlaveMaster(new GridView(context.state, kTableRows, kSlaveToMasterColumns.count, TS_SlaveToMaster)),
      ASG_MasterSlave(new GridView(context.state, kTableRows, kMasterToSlaveColumns.count, TS_MasterToSlave)),
      L_PastDataArea(new QLabel(this)), P_Button(new QWidget(this)), Btn_OK(new QPushButton(P_Button)),
      Btn_Cancel(new QPushButton(P_Button)), Btn_DelRow(new QPushButton(P_Button)),
      Btn_InsRow(new QPushButton(P_Button)), Btn_CopyRow(new QPushButton(P_Button)),
      Btn_PasteRow(new QPushButton(P_Button)),
      rowButtonsStM_(*ASG_SlaveMaster, context.state, context.prompter, RowFamily::CheckBox),
      rowButtonsMtS_(*ASG_MasterSlave, context.state, context.prompter, RowFamily::CheckBox)
{
    setObjectName(QStringLiteral("TFEtherCATSlave"));
    PC->setObjectName(QStringLiteral("PC"));
    TS_SlaveToMaster->setObjectName(QStringLiteral("TS_SlaveToMaster"));
    TS_MasterToSlave->setObjectName(QStringLiteral("TS_MasterToSlave"));
    ASG_SlaveMaster->setObjectName(QStringLiteral("ASG_SlaveMaster"));
    ASG_MasterSlave->setObjectName(QStringLiteral("ASG_MasterSlave"));
    L_PastDataArea->setObjectName(QStringLiteral("L_PastDataArea"));
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    Btn_DelRow->setObjectName(QStringLiteral("Btn_DelRow"));
    Btn_InsRow->setObjectName(QStringLiteral("Btn_InsRow"));
    Btn_CopyRow->setObjectName(QStringLiteral("Btn_CopyRow"));
    Btn_PasteRow->setObjectName(QStringLiteral("Btn_PasteRow"));

    for (auto [page, table] :
         {std::pair{TS_SlaveToMaster, ASG_SlaveMaster}, std::pair{TS_MasterToSlave, ASG_MasterSlave}}) {
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(0, 0, 0, 0);
        pageLayout->addWidget(table);
    }
    PC->addTab(TS_SlaveToMaster, QString());
    PC->addTab(TS_MasterToSlave, QString());
    // The master-to-slave variables are not edited here.
    PC->setCurrentWidget(TS_SlaveToMaster);
    PC->setTabVisible(PC->indexOf(TS_MasterToSlave), false);

    // Names come from the user: never rich text.
    L_PastDataArea->setTextFormat(Qt::PlainText);
    L_PastDataArea->setWordWrap(true);
    QPalette warning = L_PastDataArea->palette();
    warning.setColor(QPalette::WindowText, Qt::red);
    L_PastDataArea->setPalette(warning);
    L_PastDataArea->hide();

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
    body->addWidget(PC, 1);
    body->addWidget(L_PastDataArea);
    body->addWidget(P_Button);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(P_Title);
    layout->addLayout(body, 1);

    connect(Btn_OK, &QPushButton::clicked, this, &TFEtherCATSlave::onOk);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Btn_DelRow, &QPushButton::clicked, this, &TFEtherCATSlave::onDeleteRow);
    connect(Btn_InsRow, &QPushButton::clicked, this, &TFEtherCATSlave::onInsertRow);
    connect(Btn_CopyRow, &QPushButton::clicked, this, &TFEtherCATSlave::onCopyRow);
    connect(Btn_PasteRow, &QPushButton::clicked, this, &TFEtherCATSlave::onPasteRow);
    for (GridView* table : {ASG_SlaveMaster, ASG_MasterSlave}) {
        connect(table, &GridView::cellChosen, this,
                [this, table](int row, int column, const QString&) { onCellChosen(*table, row, column); });
        connect(table, &GridView::cellEdited, this, [this, table](int, int column) { onCellEdited(*table, column); });
    }

    resize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Set_Lang();
    Init_Table();
}

void TFEtherCATSlave::Init_Table()
{
    initTable(*ASG_SlaveMaster, true);
    initTable(*ASG_MasterSlave, false);
    const TextList& texts = context_.state.TextTable;
    setHeaders(*ASG_SlaveMaster, texts, kSlaveMasterHeaders);
    setHeaders(*ASG_MasterSlave, texts, kMasterSlaveInitHeaders);
    ASG_SlaveMaster->refresh();
    ASG_MasterSlave->refresh();
}

void TFEtherCATSlave::initTable(GridView& table, bool SlaveMaster)
{
    const VariableColumns& columns = Variable_Columns(SlaveMaster);
    Reset_Variable_Grid(table.grid(), columns);
    for (int column = 0; column < table.grid().columnCount(); ++column) {
        const auto at = static_cast<std::size_t>(column);
        table.setColumnWidth(column, at < kFirstColumnWidths.size() ? kFirstColumnWidths[at] : kFurtherColumnWidth);
    }
    table.horizontalHeader()->setStretchLastSection(false);
    table.setStretchColumns({columns.name, columns.mnemonic});
    table.setDropDown(columns.type, [](int, int) {
        QStringList types;
        for (const std::string_view type : VarType)
            types << qs(type);
        return types;
    });
}

void TFEtherCATSlave::Set_Lang()
{
    const TextList& texts = context_.state.TextTable;
    setWindowTitle(qs(texts[1500]));
    P_Title->setDescription(qs(texts[1501]));
    int text = 1502;
    for (QPushButton* button : {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow}) {
        button->setText(qs(texts[text]));
        button->setToolTip(plainToolTip(qs(texts[text + 6])));
        ++text;
    }
    setHeaders(*ASG_SlaveMaster, texts, kSlaveMasterHeaders);
    setHints(*ASG_SlaveMaster, texts, kSlaveMasterHints);
    PC->setTabText(PC->indexOf(TS_SlaveToMaster), qs(texts[1534]));
    PC->setTabText(PC->indexOf(TS_MasterToSlave), qs(texts[1535]));
    setHeaders(*ASG_MasterSlave, texts, kMasterSlaveHeaders);
    setHints(*ASG_MasterSlave, texts, kMasterSlaveHints);
    for (GridView* table : {ASG_SlaveMaster, ASG_MasterSlave}) {
        table->refresh();
        table->widenToHeaders();
    }
    showPastDataArea();
}

void TFEtherCATSlave::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFEtherCATSlave::FormShow()
{
    const AppState& state = context_.state;
    const EtherCatSlaveLoad load = loadEtherCatSlaveFile(state.EtherCatSlaveFile);
    keepDamagedFile_ = load.damaged();
    masterToSlaveRows_ = load.masterToSlaveRows;
    for (auto [table, SlaveMaster] : {std::pair{ASG_SlaveMaster, true}, std::pair{ASG_MasterSlave, false}}) {
        const VariableColumns& columns = Variable_Columns(SlaveMaster);
        Reset_Variable_Grid(table->grid(), columns);
        Fill_Variable_Grid(table->grid(), columns, SlaveMaster ? load.SlaveToMaster : load.MasterToSlave);
        // Placed also after a list was missing: positions are always computed, never taken from the file.
        Calc_Position_Bit(*table);
    }
    rowButtonsStM_.setCopied(false);
    rowButtonsMtS_.setCopied(false);
    PC->setCurrentWidget(TS_SlaveToMaster);
    ASG_SlaveMaster->setCurrentCell(1, kSlaveToMasterColumns.enable);
    ASG_SlaveMaster->setFocus();
    if (const auto message = Variables_Load_Message(state.Extra, load, state.EtherCatSlaveFile))
        context_.prompter.tell(this, load.damaged() ? Prompter::Kind::Error : Prompter::Kind::Warning, qs(*message));
}

void TFEtherCATSlave::onOk()
{
    // Any table is accepted; what would surprise the user is said before the file changes.
    const AppState& state = context_.state;
    if (masterToSlaveRows_ > 0 &&
        context_.prompter.destructiveQuestion(this, qs(Master_To_Slave_Question(state.Extra, masterToSlaveRows_))) !=
            Prompter::Answer::Yes)
        return;
    const GridModel& grid = ASG_SlaveMaster->grid();
    if (const auto rows = Rows_Past_Data_Area(grid, true); !rows.empty())
        context_.prompter.warning(this, qs(Past_Data_Area_Warning(state.Extra, rows)));
    const auto& file = state.EtherCatSlaveFile;
    const EtherCatSlaveSave save = saveEtherCatSlaveFile(file, Variables_In_Use(grid, kSlaveToMasterColumns),
                                                         context_.fileWriter, keepDamagedFile_);
    if (!save.ok()) {
        context_.prompter.error(this, qs(Variables_Save_Message(state.Extra, save, file)));
        return;
    }
    keepDamagedFile_ = false;
    masterToSlaveRows_ = 0;
    accept();
}

} // namespace birch
