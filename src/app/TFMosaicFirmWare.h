#pragma once

#include "widgets/UiContext.h"

#include <QWidget>

class QLabel;

namespace birch {

// The configurator's main window.
class TFMosaicFirmWare : public QWidget {
    Q_OBJECT
public:
    explicit TFMosaicFirmWare(UiContext& context, QWidget* parent = nullptr);

private:
    UiContext& context_;
    QLabel* L_SW_Code;
    QLabel* L_SW_Desc;
};

} // namespace birch
