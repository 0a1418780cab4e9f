#pragma once

#include <QPoint>
#include <QRect>

namespace quandrel {

// The layout is laid down in twips, at 15 to a screen pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }

inline QPoint twipsPoint(int left, int top) { return {twipsToPixels(left), twipsToPixels(top)}; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace quandrel
