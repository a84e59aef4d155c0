#pragma once

namespace engine {

// Start-up: gives the flip rule and the cell size their defaults, then shows the
// splash window, whose timer opens the main window.
void Main();

} // namespace engine
