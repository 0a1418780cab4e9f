#pragma once

namespace quandrel {

// The credits window's picture creeps up one pixel every kCreditsTickMilliseconds until its top
// passes kCreditsLastTop, in both editions.
inline constexpr int kCreditsTickMilliseconds = 50;
inline constexpr int kCreditsLastTop = -930; // the picture stops once its top is above this

} // namespace quandrel
