#pragma once

#include <string>
#include <string_view>

namespace quandrel {

// A text from the command line or the input as a message shows it: control and non-ASCII bytes
// as \xNN, so that nothing typed can move the cursor or recolour the terminal.
std::string printableText(std::string_view text);

} // namespace quandrel
