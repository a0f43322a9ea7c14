#pragma once

#include "platform/LocalDate.h"
#include "widgets/LanguageAware.h"
#include "widgets/UiContext.h"

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

namespace birch {

class HeadingPanel;

// First stage of the step "PROFINET XML": composes the GSDML file name from the fixed part, the
// part the user types and the date the program started. Created once at start; the typed part
// and the composed name are kept between uses.
class TFProfinetFileName : public QDialog, public LanguageAware {
    Q_OBJECT
public:
    // `startDate` is the day the program started; the name carries it for the whole run.
    TFProfinetFileName(UiContext& context, const CalendarDate& startDate, QWidget* parent = nullptr);

    void Set_Lang() override;
    void Btn_OK_Click();

    // The name composed by the last OK (empty before the first).
    const std::string& Name_File_XML() const { return Name_File_XML_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString text(int number) const;

    UiContext& context_;
    std::string Name_File_XML_;
    const std::string fixedPart2_;
    HeadingPanel* heading_;
    QLabel* L_Select_Name;
    QLabel* L_FixPart_1;
    QLabel* L_UsedPart;
    QLabel* L_FixPart_2;
    QLabel* L_XML_Fix1;
    QLineEdit* E_XML_User;
    QLabel* L_XML_Fix2;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
};

} // namespace birch
