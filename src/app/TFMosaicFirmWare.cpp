#include "app/TFMosaicFirmWare.h"

#include "app/BuildConstants.h"
#include "widgets/QtText.h"

#include <QLabel>

namespace birch {

TFMosaicFirmWare::TFMosaicFirmWare(UiContext& context, QWidget* parent)
    : QWidget(parent), context_(context), L_SW_Code(new QLabel(this)), L_SW_Desc(new QLabel(this))
{
    setWindowTitle(qs(AppTitle));
    L_SW_Code->setText(qs(SoftwareCode));
    L_SW_Code->move(16, 8);
    L_SW_Desc->setText(qs(SoftwareDescription));
    L_SW_Desc->move(16, 42);
    setFixedSize(694, 396);
}

} // namespace birch
