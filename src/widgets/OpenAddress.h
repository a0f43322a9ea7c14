#pragma once

#include "widgets/UiContext.h"

#include <string_view>

class QWidget;

namespace birch {

// Opens `address` through the context's UrlOpener; when it is not handed over, the user is told
// which address could not be opened.
void Open_Address(UiContext& context, QWidget* parent, std::string_view address);

} // namespace birch
