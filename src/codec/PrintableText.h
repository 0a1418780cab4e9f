#pragma once

#include <string>
#include <string_view>

namespace quandrel {

// A text from the command line, the input or the system as a message of either program shows
// it: control and non-ASCII bytes as \xNN, so that nothing typed can move the cursor or recolour the terminal.
std::string printableText(std::string_view text);

} // namespace quandrel
