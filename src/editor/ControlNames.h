#pragma once

#include "EditorControls.h"
#include "NamePattern.h"

#include <string>
#include <string_view>

namespace quandrel {

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

// Which pair of vitality rows an Image7 stands beside: "upper" for pair 0.
std::string valuePairName(int pair, NamePatternTranslator translate = nullptr);

} // namespace quandrel
