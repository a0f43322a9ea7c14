#include "widgets/OpenAddress.h"

#include "lang/ExtraTextNumbers.h"
#include "widgets/QtText.h"

#include <QUrl>

namespace birch {

void Open_Address(UiContext& context, QWidget* parent, std::string_view address)
{
    const QString text = qs(address);
    if (!context.urlOpener.open(QUrl(text)))
        context.prompter.warning(parent, qs(context.state.Extra[ext::kAddressCannotBeOpened]) + text);
}

} // namespace birch
