#pragma once

#include <QColor>
#include <QPalette>

namespace quandrel {

// The colours the window adds on top of the palette, each kept legible against the palette it is
// shown in: the light palette gets the original colours, a dark one lighter or darker variants.

// Text on a background of our own, such as a changed character's mark: the palette's text where
// it reads well there.
QColor textColourOn(const QColor& background, const QPalette& palette);
// Characters and notes that make a typed password unloadable.
QColor problemColour(const QPalette& palette);
// The system's red for a counter's text: kept as it is on a light box, lifted until it reads on a
// dark one.
QColor counterRedColour(const QPalette& palette);
// The colours that keep a disabled check box seen on a dark window, as a palette that sets only
// those (empty for a light window, whose look is the toolkit's own): set on the box, it inherits
// everything else.
QPalette disabledCheckBoxColours(const QPalette& palette);
// The palette for a sunken frame of our own: a dark window's bevel lines are lifted until they
// stand out from it; a light window keeps the toolkit's own.
QPalette sunkenFramePalette(const QPalette& palette);

} // namespace quandrel
