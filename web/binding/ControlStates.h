#pragma once

#include <string>
#include <string_view>

namespace quandrel {
class EditorModel;
}

namespace quandrel::web {

// What the page reads of each control, by bit, beside its text.
enum ControlFlag : int {
    kVisible = 1,
    kBorder = 2,
    kChecked = 4, // a check box ticked, an option button chosen
    kRedText = 8,
};

// Every control whose text or state the model keeps, as {"Image4(12)": [text, flags], ...};
// text is null for a control that shows none.
std::string controlStatesJson(const EditorModel& model);

// Forwards a click on the named control to its handler; false when the control takes no clicks.
bool clickControl(EditorModel& model, std::string_view control);

} // namespace quandrel::web
