#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// Every control whose text or state the model keeps, as {"Image4(12)": [text, flags, name], ...};
// text is null for a control that shows none, name (for screen readers) null for one whose
// name its state does not make.
std::string controlStatesJson(const EditorModel& model);

// A control's name, and its state as JSON.
struct ControlState {
    std::string name;
    std::string state;
};

// The controls whose state changed since the last call, as controlStatesJson writes them; every
// control the first time. A click changes a handful of some two hundred, and the page redraws
// only those.
class ControlStateChanges final {
public:
    std::string changesJson(const EditorModel& model);

private:
    std::vector<ControlState> m_last;
};

// Forwards a click on the named control to its handler; false when the control takes no clicks.
bool clickControl(EditorModel& model, std::string_view control);

} // namespace quandrel::web
