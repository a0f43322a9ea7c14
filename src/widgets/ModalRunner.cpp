#include "widgets/ModalRunner.h"

#include <QDialog>

namespace birch {

int ExecModalRunner::run(QDialog& dialog)
{
    return dialog.exec();
}

} // namespace birch
