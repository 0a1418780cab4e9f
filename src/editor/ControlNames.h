#pragma once

#include "EditorControls.h"

#include <string>
#include <string_view>

namespace quandrel {

// Gives an English name pattern ("World %1: %2") in the reader's language. The desktop passes
// its translator; without one the English stands.
using NamePatternTranslator = std::string (*)(std::string_view english);

// What screen readers call the main window's controls; the desktop's panels and the web page
// both name them so. `name` and `index` are the control's, as in "Image4" and 12 (-1 for a
// control without an index).

// The name a control keeps for the whole run ("Arrows", "Step upper vitality"), or "" when its
// state names it or it has no name of its own.
std::string fixedControlName(std::string_view name, int index, NamePatternTranslator translate = nullptr);

// The name a control takes from the editor's state ("World 3: Open", "a brown arrow,
// carried"), or "" when it keeps its fixed name.
std::string stateControlName(std::string_view name, int index, const EditorControls& controls,
                             NamePatternTranslator translate = nullptr);

// The value of a row of the vitality frame in words: "Upper vitality" for row 0.
std::string valueRowName(int row, NamePatternTranslator translate = nullptr);

} // namespace quandrel
