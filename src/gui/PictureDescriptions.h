#pragma once

#include <QString>

namespace quandrel {

// What each picture of the window shows, in words, for tooltips, screen readers and the
// password explanations.
QString objectDescription(int object);     // the objects 0 to 36
QString shieldDescription(int shield);     // shields 1 to 3
QString flagColumnDescription(int column); // the pictures above the four flag columns
QString warriorDescription(int picture);   // Image5(0) to Image5(3)

} // namespace quandrel
