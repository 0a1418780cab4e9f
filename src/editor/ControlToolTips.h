#pragma once

#include "NamePattern.h"

#include <string>
#include <string_view>

namespace quandrel {

// The tooltips of the main window's controls, keyed like their names (see ControlNames.h): the
// desktop's panels show them and the web page gives them as its elements' titles.

// The tooltip of control `name`(`index`), begun with a capital, or "" for a control without one.
// `slotPlace` says where a slot button's slot lives: the desktop gives the file's full path, the
// page the file's name.
std::string controlToolTip(std::string_view name, int index, std::string_view slotPlace = {},
                           NamePatternTranslator translate = nullptr);

} // namespace quandrel
