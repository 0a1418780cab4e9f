#pragma once

#include <string>
#include <string_view>

namespace quandrel::web {

// A JSON string literal of `text`, quotes included. The page's texts are ASCII or UTF-8; bytes
// below 0x20 are escaped and the rest passed through.
std::string jsonString(std::string_view text);

} // namespace quandrel::web
