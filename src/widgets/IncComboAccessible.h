#pragma once

namespace widgets {

// Makes a screen reader announce the lookup combo as the list it is: role combo box,
// the current item as its value, the items as its children, and the action that opens
// the list (Alt+Down). Installed once, by the first combo made.
void installIncComboAccessible();

} // namespace widgets
