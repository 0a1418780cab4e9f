#pragma once

#include <string_view>

namespace quandrel {

struct ControlLayout;

// What a control of the window does beyond its kind, the same in both views, as bits.
enum ControlRole : int {
    kClickable = 1,   // its clicks go to an editor handler (a counter box's go with its keys)
    kPressable = 2,   // one of those that stays pressed while it shows its border
    kWordPicture = 4, // a picture of words, drawn in one ink, which a dark window turns light
};

int controlRoles(const ControlLayout& control);

// Whether the picture (its stem, "objects/noshield") shows words.
bool isWordPicture(std::string_view picture);

} // namespace quandrel
