#pragma once

#include "nmea/CaptureStats.h"
#include "nmea/PlacedRules.h"
#include "widgets/LanguageAware.h"
#include "widgets/UiContext.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace birch {

// "Check against capture..." of the rule editor: checks the table's enabled rules against an
// NMEA 0183 capture file, or against what a serial port of this computer receives for a number
// of seconds at the speed and parity ParGen.xml gives the chosen channel. Shows the check as
// text and hands each capture to the rule editor, which marks its rows.
class TFCaptureCheck final : public QDialog, public LanguageAware {
    Q_OBJECT

public:
    // A capture was read; `channel` is the channel whose rules were checked, nothing for all.
    using Checked = std::function<void(const CaptureStats& capture, const std::optional<std::string>& channel)>;

    TFCaptureCheck(UiContext& context, QWidget* parent);

    void Set_Lang() override;
    // Before each showing: the rules to check, the channels the table offers, and who is told.
    void prepare(std::vector<PlacedRule> rules, const std::vector<std::string>& channels, Checked checked);

private:
    std::optional<std::string> chosenChannel() const;
    void onChannelChanged();
    void onBrowse();
    void onCheckFile();
    void onListen();
    void showCheck(const CaptureStats& capture);

    UiContext& context_;
    QLabel* L_File;
    QLineEdit* E_File;
    QPushButton* Btn_Browse;
    QPushButton* Btn_CheckFile;
    QLabel* L_Channel;
    QComboBox* CB_Channel;
    QLabel* L_Settings;
    QLabel* L_Port;
    QComboBox* CB_Port;
    QLabel* L_Seconds;
    QSpinBox* SE_Seconds;
    QPushButton* Btn_Listen;
    QPlainTextEdit* M_Result;
    QPushButton* Btn_OK;
    std::vector<PlacedRule> rules_;
    Checked checked_;
};

} // namespace birch
