#pragma once

#include <QColor>

class QPalette;

namespace quandrel {

// The colours the window adds on top of the palette, each kept legible against the palette it is
// shown in: the light palette gets the original colours, a dark one lighter or darker variants.

// Text on a background of our own, such as a changed character's mark: the palette's text where
// it reads well there.
QColor textColourOn(const QColor& background, const QPalette& palette);
// Characters and notes that make a typed password unloadable.
QColor problemColour(const QPalette& palette);

} // namespace quandrel
