#pragma once

class QDialog;

namespace birch {

// Enter in a field of `dialog` presses none of its buttons: no push button is its default or
// becomes it on taking the focus. Call once every button of the dialog exists.
void noDefaultButton(QDialog& dialog);

} // namespace birch
