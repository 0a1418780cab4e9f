#pragma once

#include <QPalette>

namespace quandrel {

// The two palettes the window is checked in: Fusion's own light one, and Fusion with the dark
// palette that dark-themed Qt programs commonly set, whose disabled group is left to Qt.
QPalette fusionLightPalette();
QPalette fusionDarkPalette();

} // namespace quandrel
