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

} // namespace birch
