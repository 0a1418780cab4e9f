#pragma once

#include "editor/WindowLayout.h"

#include <QPoint>
#include <QRect>

namespace quandrel {

// The layout is laid down in twips, at 15 to a screen pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }

inline QPoint twipsPoint(const TwipsRect& rect) { return {twipsToPixels(rect.left), twipsToPixels(rect.top)}; }

inline QRect twipsRect(const TwipsRect& rect)
{
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width), twipsToPixels(rect.height)};
}

} // namespace quandrel
