#pragma once

#include <string>

namespace quandrel::web {

// What the page must know to speak and act as the desktop does, as JSON: the entry limit and
// the slot read limit (which also bound every text the page hands in), the slot count, the slot
// files' names, the bytes a missing slot is created with, the slot messages' parts, and the
// credits' timing, and the menu commands' shortcuts that a browser leaves to the page.
std::string sessionFactsJson();

} // namespace quandrel::web
