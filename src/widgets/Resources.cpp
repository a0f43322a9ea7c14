#include "widgets/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initBirchResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace birch {

void Init_Resources()
{
    static const bool registered = (initBirchResources(), true);
    (void)registered;
}

QIcon pictureIcon(const QString& name)
{
    Init_Resources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/birch/%1.png").arg(name));
    icon.addFile(QStringLiteral(":/birch/%1@2x.png").arg(name));
    return icon;
}

} // namespace birch
