#pragma once

class QAbstractButton;

namespace window {

/// Makes Enter (Return or the keypad's Enter) on `button`, while it has the focus, click
/// it, as Space does and as a focused button in the browser does. A button that is not
/// auto-default (none of the window's is) would otherwise ignore Enter.
void clickOnEnter(QAbstractButton* button);

} // namespace window
