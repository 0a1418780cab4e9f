#pragma once

#include <string>
#include <string_view>

namespace quandrel::web {

// A JSON string literal of `text`, quotes included, always valid UTF-8. Whole UTF-8 characters
// pass through; control characters, and bytes that are no part of a UTF-8 character, are
// escaped, each as the character of its number.
std::string jsonString(std::string_view text);

} // namespace quandrel::web
