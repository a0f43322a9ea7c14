// The two topic tables: their columns, editors and header texts, and the template dialog that
// a double click on a Template cell opens.
#include "profiles/TFMQTT_Set_Topic.h"

#include "profiles/MqttTopicColumns.h"
#include "profiles/MqttTopicGrid.h"
#include "profiles/TFTopicTemplate.h"
#include "profiles/TopicKeywords.h"
#include "widgets/GridView.h"
#include "widgets/QtText.h"

#include <QHeaderView>

#include <array>

namespace birch {

namespace {

constexpr std::array<int, PubColumn::Count> kPubWidths = {36,  180, 60, 40, 75, 70, 60, 100, 150,
                                                          180, 65,  60, 60, 70, 60, 45, 70,  140};
constexpr std::array<int, SubColumn::Count> kSubWidths = {36, 250, 60,  40,  75, 70, 60, 100,
                                                          60, 60,  150, 250, 45, 70, 180};

// Header text of each column, and the hint of each data column (column k's hint at k - 1).
constexpr std::array<int, PubColumn::Count> kPubHeaders = {1314, 1315, 1316, 1317, 1337, 1338, 1339, 1362, 1363,
                                                           1335, 1381, 1383, 1384, 1385, 1390, 1393, 1394, 1318};
constexpr std::array<int, PubColumn::Count - 1> kPubHints = {1319, 1320, 1321, 1340, 1341, 1342, 1364, 1365, 1336,
                                                             1382, 1386, 1387, 1388, 1391, 1395, 1396, 1322};
constexpr std::array<int, SubColumn::Count> kSubHeaders = {1324, 1325, 1326, 1327, 1343, 1344, 1345, 1366,
                                                           1367, 1368, 1369, 1346, 1393, 1394, 1328};
constexpr std::array<int, SubColumn::Count - 1> kSubHints = {1329, 1330, 1331, 1347, 1348, 1349, 1370,
                                                             1371, 1372, 1373, 1350, 1397, 1398, 1332};

const QStringList kQoS = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")};
const QStringList kDataTypes = {QStringLiteral("Int"), QStringLiteral("Float"), QStringLiteral("String"),
                                QStringLiteral("Base64")};

QStringList channels()
{
    QStringList list;
    for (int channel = 0; channel <= 63; ++channel)
        list << QString::number(channel);
    return list << QStringLiteral("All");
}

template <std::size_t Columns> void setWidths(GridView& table, const std::array<int, Columns>& widths)
{
    for (std::size_t column = 0; column < Columns; ++column)
        table.setColumnWidth(static_cast<int>(column), widths[column]);
    table.horizontalHeader()->setStretchLastSection(false);
}

template <std::size_t Columns>
void setHeaders(GridModel& grid, const TextList& texts, const std::array<int, Columns>& headers,
                const std::array<int, Columns - 1>& hints)
{
    for (std::size_t column = 0; column < Columns; ++column)
        grid.setText(0, static_cast<int>(column), texts[headers[column]]);
    for (std::size_t k = 0; k < hints.size(); ++k)
        grid.setHeaderHint(static_cast<int>(k) + 1, texts[hints[k]]);
}

} // namespace

void TFMQTT_Set_Topic::buildTables()
{
    Reset_Mqtt_Publish_Grid(ACG_Pub->grid());
    Reset_Mqtt_Subscribe_Grid(ACG_Sub->grid());
    setWidths(*ACG_Pub, kPubWidths);
    setWidths(*ACG_Sub, kSubWidths);
    ACG_Pub->setStretchColumns({PubColumn::Topic, PubColumn::Mnemonic});
    ACG_Sub->setStretchColumns({SubColumn::Topic, SubColumn::Mnemonic});

    const QString value = qs(kTopicKeywords.front().keyword);
    ACG_Pub->setDropDown(PubColumn::QoS, [](int, int) { return kQoS; });
    ACG_Pub->setDropDown(PubColumn::DataType, [](int, int) { return kDataTypes; });
    ACG_Pub->setDropDown(PubColumn::Channel, [](int, int) { return channels(); });
    ACG_Pub->setSuggestion(PubColumn::Template, value);
    ACG_Pub->setOwnDoubleClick(PubColumn::Template);
    ACG_Sub->setDropDown(SubColumn::QoS, [](int, int) { return kQoS; });
    ACG_Sub->setDropDown(SubColumn::DataType, [](int, int) { return kDataTypes; });
    ACG_Sub->setDropDown(SubColumn::EthType, [](int, int) {
        return QStringList{QStringLiteral("TCP"), QStringLiteral("UDP")};
    });
    ACG_Sub->setSuggestion(SubColumn::Template, value);
    ACG_Sub->setOwnDoubleClick(SubColumn::Template);

    connect(ACG_Pub, &GridView::cellDoubleClicked, this,
            [this](int row, int column) { onDoubleClick(*ACG_Pub, row, column); });
    connect(ACG_Sub, &GridView::cellDoubleClicked, this,
            [this](int row, int column) { onDoubleClick(*ACG_Sub, row, column); });
    ACG_Pub->refresh();
    ACG_Sub->refresh();
}

void TFMQTT_Set_Topic::setHeaderTexts()
{
    const TextList& texts = context_.state.TextTable;
    setHeaders(ACG_Pub->grid(), texts, kPubHeaders, kPubHints);
    setHeaders(ACG_Sub->grid(), texts, kSubHeaders, kSubHints);
    for (GridView* table : {ACG_Pub, ACG_Sub}) {
        table->refresh();
        table->widenToHeaders();
    }
}

// The table has already sized a double-clicked header column; a Template data cell opens the
// template dialog.
void TFMQTT_Set_Topic::onDoubleClick(GridView& table, int row, int column)
{
    const int templateColumn = &table == ACG_Pub ? PubColumn::Template : SubColumn::Template;
    if (column == templateColumn && table.grid().isDataRow(row))
        Show_Form_Topic(table, row, column);
}

void TFMQTT_Set_Topic::Show_Form_Topic(GridView& table, int row, int column)
{
    if (templateWindow_ == nullptr)
        return;
    const bool publish = &table == ACG_Pub;
    const bool topicTemplate = column == (publish ? PubColumn::Template : SubColumn::Template);
    templateWindow_->Set_Target(topicTemplate, workingMode_, publish ? 0 : 1);
    templateWindow_->setText(qs(table.grid().text(row, column)));
    if (context_.modalRunner.run(*templateWindow_) != QDialog::Accepted)
        return;
    table.grid().setText(row, column, ss(templateWindow_->text()));
    table.refreshCell(row, column);
}

} // namespace birch
