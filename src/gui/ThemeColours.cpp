#include "ThemeColours.h"

#include "Contrast.h"

#include <QPalette>

namespace quandrel {

namespace {
// Comfortable reading for text of any size.
constexpr double kLegibleContrast = 4.5;
} // namespace

QColor textColourOn(const QColor& background, const QPalette& palette)
{
    return contrast::legibleAgainst(palette.color(QPalette::WindowText), background, kLegibleContrast);
}

QColor problemColour(const QPalette& palette)
{
    return contrast::legibleAgainst(QColor(0xC0, 0x00, 0x00), palette.color(QPalette::Window), kLegibleContrast);
}

} // namespace quandrel
