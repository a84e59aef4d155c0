#pragma once

// How the game's windows present themselves to assistive technology beyond what Qt's
// own controls do: the board's cells, the flip-rule boxes, the dialogs (drawing surfaces
// to Qt), the splash and progress windows, and labels that still carry their layout's
// placeholder caption.

namespace ui {

// Installs the game's accessibility factory once; before any window is queried.
void installAccessibility();

} // namespace ui
