#include "ThemeColours.h"

#include "Contrast.h"

#include <QPalette>

namespace quandrel {

namespace {
// Comfortable reading for text of any size.
constexpr double kLegibleContrast = 4.5;
// Enough for a line that shapes a control to be seen.
constexpr double kVisibleLineContrast = 3.0;
} // namespace

QColor textColourOn(const QColor& background, const QPalette& palette)
{
    return contrast::legibleAgainst(palette.color(QPalette::WindowText), background, kLegibleContrast);
}

QPalette sunkenFramePalette(const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Window);
    if (contrast::luminance(window) >= contrast::luminance(palette.color(QPalette::WindowText))) {
        return palette;
    }
    // On a dark window the shadow side cannot get darker, so the lit side carries the frame.
    QPalette lifted = palette;
    for (const QPalette::ColorRole role : {QPalette::Light, QPalette::Midlight}) {
        lifted.setColor(role, contrast::legibleAgainst(palette.color(role), window, kVisibleLineContrast));
    }
    return lifted;
}

QColor problemColour(const QPalette& palette)
{
    return contrast::legibleAgainst(QColor(0xC0, 0x00, 0x00), palette.color(QPalette::Window), kLegibleContrast);
}

} // namespace quandrel
