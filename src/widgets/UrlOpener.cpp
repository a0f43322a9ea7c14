#include "widgets/UrlOpener.h"

#include "platform/LoopbackGuard.h"

#include <QDesktopServices>

namespace birch {

bool DesktopUrlOpener::open(const QUrl& url)
{
    if (!targetAllowed(url.host().toStdString()))
        return false;
    return QDesktopServices::openUrl(url);
}

} // namespace birch
