#pragma once

#include <string>
#include <string_view>

namespace quandrel {

// The repaired password laid out the way the player typed it: the blanks and dashes between
// groups stay. A character put back goes into its group (the shorter one at a group boundary); a
// character taken out shrinks its group, and a group left empty goes with its separator.
std::string repairAsTyped(std::string_view typed, std::string_view repaired);

} // namespace quandrel
