#pragma once

#include <string>

namespace quandrel::web {

// What the page must know to speak and act as the desktop does, as JSON: the entry limit and
// the slot read limit (which also bound every text the page hands in), the slot count, the slot
// files' names, the slot messages' parts, the credits' timing, the menu commands' shortcuts that
// a browser leaves to the page, and the menus' and dialogs' words.
std::string sessionFactsJson();

} // namespace quandrel::web
