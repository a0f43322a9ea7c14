// The rule editor's data-area map, register map export and capture check.
#include "nmea/TFNMEA_0183_Set_Access2.h"

#include "common/TextUtil.h"
#include "lang/ExtraTextNumbers.h"
#include "nmea/DataAreaTexts.h"
#include "nmea/RuleGrid.h"
#include "nmea/TFCaptureCheck.h"
#include "nmea/TFCaptureVerdicts.h"
#include "nmea/TFDataAreaPanel.h"
#include "nmea/TFRegisterMapExport.h"
#include "widgets/GridView.h"
#include "widgets/QtText.h"
#include "widgets/RowMarkDelegate.h"

#include <QPushButton>

#include <algorithm>

namespace birch {

void TFNMEA_0183_Set_Access2::buildDataArea()
{
    Btn_Export = new QPushButton(P_Button);
    Btn_Capture = new QPushButton(P_Button);
    Btn_Export->setObjectName(QStringLiteral("Btn_Export"));
    Btn_Capture->setObjectName(QStringLiteral("Btn_Capture"));
    P_DataArea = new TFDataAreaPanel(context_.state, *ASG, this);
    captureCheck_ = new TFCaptureCheck(context_, this);
    verdictMarks_ = new RowMarkDelegate(*ASG->itemDelegate(), this);
    ASG->setItemDelegateForColumn(RuleColumn::Number, verdictMarks_);

    // Every change of the table reaches the model as one of these, row operations included.
    QAbstractItemModel* model = ASG->model();
    connect(model, &QAbstractItemModel::dataChanged, this, &TFNMEA_0183_Set_Access2::followTable);
    connect(model, &QAbstractItemModel::modelReset, this, &TFNMEA_0183_Set_Access2::followTable);
    connect(Btn_Export, &QPushButton::clicked, this, &TFNMEA_0183_Set_Access2::onExport);
    connect(Btn_Capture, &QPushButton::clicked, this, &TFNMEA_0183_Set_Access2::onCaptureCheck);
}

void TFNMEA_0183_Set_Access2::setDataAreaTexts()
{
    const ExtraTexts& extra = context_.state.Extra;
    Btn_Export->setText(qs(extra[ext::kExportButton]));
    Btn_Capture->setText(qs(extra[ext::kCaptureButton]));
    P_DataArea->Set_Lang();
    captureCheck_->Set_Lang();
    followTable();
}

void TFNMEA_0183_Set_Access2::followTable()
{
    auto rules = placedRules(catalog(), rulesFromGrid(ASG->grid()));
    if (capture_)
        verdictMarks_->setMarks(captureVerdictMarks(
            context_.state.Extra,
            checkCapture(catalog(), rules, *capture_,
                         captureChannel_ ? std::optional<std::string_view>(*captureChannel_) : std::nullopt)));
    else
        verdictMarks_->setMarks({});
    ASG->viewport()->update();
    P_DataArea->showRules(std::move(rules));
}

bool TFNMEA_0183_Set_Access2::confirmOverlaps(const RuleTable& rules)
{
    // Only the rows the file will hold reach the device: those above the first without a sentence.
    RuleTable saved = rules;
    const auto end = std::find_if(saved.begin(), saved.end(),
                                  [](const TNMEA0183_Rule& rule) { return trimControl(rule.Sentence).empty(); });
    std::for_each(end, saved.end(), [](TNMEA0183_Rule& rule) { rule.Enable = false; });
    const DataAreaMap map(placedRules(catalog(), saved));
    if (map.overlaps().empty())
        return true;
    if (context_.prompter.question(this, qs(overlapWarningText(context_.state.Extra, map))) == Prompter::Answer::Yes)
        return true;
    ASG->focusCell(map.overlaps().front().rowB, RuleColumn::Position);
    return false;
}

void TFNMEA_0183_Set_Access2::onExport()
{
    Export_Register_Map(context_, this, rulesFromGrid(ASG->grid()));
}

void TFNMEA_0183_Set_Access2::onCaptureCheck()
{
    captureCheck_->prepare(placedRules(catalog(), rulesFromGrid(ASG->grid())), serialChannels_,
                           [this](const CaptureStats& capture, const std::optional<std::string>& channel) {
                               capture_ = capture;
                               captureChannel_ = channel;
                               followTable();
                           });
    context_.modalRunner.run(*captureCheck_);
}

} // namespace birch
