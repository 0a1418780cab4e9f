#pragma once

#include <span>
#include <string_view>

namespace quandrel {

// One of the window's pictures as decoded pixels, generated at build time from the drawings in
// assets/, so that starting the editor decodes no picture.
struct BakedPicture {
    std::string_view path; // as in "objects/object00.gif", the same for each ratio
    int ratio;             // device pixels per logical pixel it was drawn for
    int width;             // in device pixels
    int height;
    const unsigned char* pixels; // premultiplied ARGB, one 32-bit word per pixel, rows unpadded
};

// Sorted by path, then ratio.
std::span<const BakedPicture> bakedPictures();

} // namespace quandrel
