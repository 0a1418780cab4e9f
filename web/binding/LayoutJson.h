#pragma once

#include <string>

namespace quandrel::web {

// The window layout table as JSON, one object per control in table order: its full name
// ("Image4(12)"), kind, containing frame, place in twips, caption, picture, initial visibility
// and border, tab order, its roles (editor/ControlRoles.h), what its picture shows and the name it keeps for screen
// readers. The page builds the window from it.
std::string windowLayoutJson();

} // namespace quandrel::web
