#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace quandrel {

// One of the window's pictures as decoded pixels, generated at build time from the GIFs in
// assets/, so that starting the editor decodes no picture.
struct BakedPicture {
    std::string_view path; // as in "objects/object00.gif", the same for each ratio
    int ratio;             // device pixels per logical pixel it was drawn for
    int width;             // in device pixels
    int height;
    int bytesPerLine;                       // rows are padded to four bytes
    std::span<const std::uint32_t> colours; // ARGB, indexed by the pixels
    const unsigned char* pixels;            // one colour index per pixel
};

// Sorted by path, then ratio.
std::span<const BakedPicture> bakedPictures();

} // namespace quandrel
