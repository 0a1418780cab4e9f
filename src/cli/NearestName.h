#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quandrel {

// The name that `typed` most likely misspells: the nearest by edit distance, if at most two
// edits away, or one that it starts; empty when none is near.
std::string nearestName(std::string_view typed, const std::vector<std::string>& names);

} // namespace quandrel
