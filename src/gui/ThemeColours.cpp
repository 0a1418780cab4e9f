#include "ThemeColours.h"

#include "Contrast.h"

#include <QPalette>

#include <cmath>

namespace quandrel {

namespace {
// Comfortable reading for text of any size.
constexpr double kLegibleContrast = 4.5;
// Enough for a line that shapes a control to be seen.
constexpr double kVisibleLineContrast = 3.0;

bool isDark(const QPalette& palette)
{
    return contrast::luminance(palette.color(QPalette::Window)) <
           contrast::luminance(palette.color(QPalette::WindowText));
}

// The colour moved towards white until the given shade of it (as QColor::darker takes it) stands
// out from the window as a line should; Fusion draws a box's outline and mark in such shades.
QColor liftedUntilShadeShows(const QColor& colour, const QColor& window, int shade)
{
    for (int step = 0; step <= 20; ++step) {
        const double amount = step / 20.0;
        const auto channel = [amount](int value) {
            return value + static_cast<int>(std::lround((255 - value) * amount));
        };
        const QColor candidate(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
        if (contrast::ratio(candidate.darker(shade), window) >= kVisibleLineContrast) {
            return candidate;
        }
    }
    return Qt::white;
}
} // namespace

QColor textColourOn(const QColor& background, const QPalette& palette)
{
    return contrast::legibleAgainst(palette.color(QPalette::WindowText), background, kLegibleContrast);
}

QColor counterRedColour(const QPalette& palette)
{
    const QColor red(0xFF, 0x00, 0x00);
    return isDark(palette) ? contrast::legibleAgainst(red, palette.color(QPalette::Base), kLegibleContrast) : red;
}

QPalette disabledCheckBoxColours(const QPalette& palette)
{
    QPalette colours;
    if (!isDark(palette)) {
        return colours;
    }
    // Fusion outlines the box in a shade 140 % darker than the window colour, and draws the mark a
    // shade 120 % darker than the text; on a dark window both would sink into it.
    const QColor window = palette.color(QPalette::Window);
    colours.setColor(QPalette::Disabled, QPalette::Window,
                     liftedUntilShadeShows(palette.color(QPalette::Disabled, QPalette::Window), window, 140));
    colours.setColor(QPalette::Disabled, QPalette::Text,
                     liftedUntilShadeShows(palette.color(QPalette::Disabled, QPalette::Text), window, 120));
    return colours;
}

QPalette sunkenFramePalette(const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Window);
    if (!isDark(palette)) {
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
