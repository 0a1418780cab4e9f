#pragma once

#include <QColor>

// Legibility arithmetic for colours we add on top of the palette: relative
// luminance and contrast ratio as defined for web accessibility (WCAG 2).
namespace quandrel::contrast {

// Relative luminance in [0, 1] of an sRGB colour.
double luminance(const QColor& colour);

// Contrast ratio in [1, 21] between two colours, order independent.
double ratio(const QColor& a, const QColor& b);

// Returns preferred when it reaches minimumRatio against background;
// otherwise moves it towards white or black (whichever side the background
// leaves room on) just far enough to reach it, keeping its hue.
QColor legibleAgainst(const QColor& preferred, const QColor& background, double minimumRatio = 4.5);

} // namespace quandrel::contrast
