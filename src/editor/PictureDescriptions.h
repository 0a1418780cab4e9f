#pragma once

#include <string_view>

namespace quandrel {

// What each picture of the window shows, in words, for tooltips, screen readers and the
// password explanations; the desktop window and the web page both name the pictures so.
std::string_view describeObject(int object);     // the objects 0 to 36
std::string_view describeShield(int shield);     // shields 1 to 3
std::string_view describeFlagColumn(int column); // the pictures above the four flag columns
std::string_view describeWarrior(int picture);   // Image5(0) to Image5(3)

} // namespace quandrel
