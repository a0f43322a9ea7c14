#pragma once

#include <QIcon>
#include <QString>

namespace birch {

// Registers the pictures compiled into the UI library. A static library's resources are not
// registered by themselves; every window that shows one calls this first (repeated calls are
// harmless).
void Init_Resources();

// The compiled-in picture `name` (":/birch/<name>.png") together with its twice-as-large
// variant (<name>@2x.png), so that it stays sharp on a screen scaled to 200 %, whatever the
// scale was when the window was made.
QIcon pictureIcon(const QString& name);

} // namespace birch
