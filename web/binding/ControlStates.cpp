#include "ControlStates.h"

#include "JsonWriter.h"
#include "codec/Password.h"
#include "editor/ControlNames.h"
#include "editor/EditorModel.h"

#include <charconv>
#include <optional>
#include <vector>

namespace quandrel::web {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

std::string indexed(std::string_view name, int index)
{
    return index < 0 ? std::string(name) : std::string(name) + "(" + std::to_string(index) + ")";
}

// Each control's name and its state as JSON, [text, flags, accessible name], in the same order
// every time.
class StatesWriter final {
public:
    explicit StatesWriter(const EditorControls& controls) : m_controls(controls) {}

    // `index` is -1 for a control without one.
    void add(std::string_view name, int index, std::optional<std::string_view> text, int flags)
    {
        JsonWriter state;
        state.beginArray();
        text ? state.string(*text) : state.null();
        state.number(flags);
        const std::string spoken = stateControlName(name, index, m_controls);
        spoken.empty() ? state.null() : state.string(spoken);
        m_states.push_back({indexed(name, index), state.endArray().take()});
    }

    std::vector<ControlState> finish() { return std::move(m_states); }

private:
    const EditorControls& m_controls;
    std::vector<ControlState> m_states;
};

std::string asObject(const std::vector<ControlState>& states, const std::vector<bool>* only = nullptr)
{
    JsonWriter json;
    json.beginObject();
    for (std::size_t i = 0; i < states.size(); ++i) {
        if (only == nullptr || (*only)[i]) {
            json.key(states[i].name).json(states[i].state);
        }
    }
    return json.endObject().take();
}

int flags(bool visible, bool border, bool checked = false, bool red = false)
{
    return (visible ? kVisible : 0) | (border ? kBorder : 0) | (checked ? kChecked : 0) | (red ? kRedText : 0);
}

// "Image4(12)" as "Image4" and 12; "Image8" as "Image8" and -1.
std::pair<std::string_view, int> splitName(std::string_view control)
{
    const std::size_t open = control.find('(');
    if (open == std::string_view::npos || control.back() != ')') {
        return {control, -1};
    }
    int index = -1;
    const char* first = control.data() + open + 1;
    const char* last = control.data() + control.size() - 1;
    const auto [end, error] = std::from_chars(first, last, index);
    if (error != std::errc() || end != last) {
        return {control, -1};
    }
    return {control.substr(0, open), index};
}

} // namespace

namespace {

std::vector<ControlState> controlStates(const EditorModel& model)
{
    const EditorControls& c = model.controls();
    StatesWriter out(c);
    for (int i = 0; i < kCounterCount; ++i) {
        out.add("Text1", i, c.counterText[at(i)], flags(true, false, false, c.counterColour[at(i)] == TextColour::Red));
    }
    for (int i = 0; i < kValueCount; ++i) {
        out.add("Label1", i, std::to_string(c.values[at(i)]), flags(true, true));
        out.add("Option1", i, std::nullopt, flags(true, false, c.selectedRow == i));
    }
    for (int w = 0; w < kWorldCount; ++w) {
        out.add("Label3", w, worldStateCaption(c.worldStates[at(w)]), flags(true, true));
    }
    for (int i = 0; i < kFlagCount; ++i) {
        out.add("Check1", i, std::nullopt, flags(true, false, c.flags[at(i)]));
    }
    for (int i = 0; i < kObjectPictureCount; ++i) {
        out.add("Image4", i, std::nullopt, flags(c.objectVisible[at(i)], c.objectBorder[at(i)]));
    }
    out.add("Image8", -1, std::nullopt, flags(true, c.selectAllBorder));
    for (int i = 0; i < kWarriorPictureCount; ++i) {
        out.add("Image5", i, std::nullopt, flags(c.warriorVisible[at(i)], c.warriorBorder[at(i)]));
    }
    for (int g = 0; g < kDisplayGroupCount; ++g) {
        out.add("Label6", g, model.displayGroup(g), flags(true, false));
    }
    for (int s = 0; s < kSectionLabelCount; ++s) {
        out.add("Label2", s, c.sections[at(s)], flags(false, false));
    }
    out.add("Label5", -1, c.password, flags(false, false));
    out.add("Label8", -1, c.keyBuffer, flags(false, false));
    return out.finish();
}

} // namespace

std::string controlStatesJson(const EditorModel& model) { return asObject(controlStates(model)); }

std::string ControlStateChanges::changesJson(const EditorModel& model)
{
    std::vector<ControlState> states = controlStates(model);
    std::vector<bool> changed(states.size(), true);
    if (m_last.size() == states.size()) {
        for (std::size_t i = 0; i < states.size(); ++i) {
            changed[i] = states[i].state != m_last[i].state;
        }
    }
    std::string json = asObject(states, &changed);
    m_last = std::move(states);
    return json;
}

bool clickControl(EditorModel& model, std::string_view control)
{
    const auto [name, index] = splitName(control);
    if (name == "Image8" && index < 0) {
        model.Image8_Click();
        return true;
    }
    if (index < 0) {
        return false;
    }
    if (name == "Image4" && index < kObjectPictureCount) {
        model.Image4_Click(index);
    } else if (name == "Label3" && index < kWorldCount) {
        model.Label3_Click(index);
    } else if (name == "Image5" && index < kWarriorPictureCount) {
        model.Image5_Click(index);
    } else if (name == "Option1" && index < kValueCount) {
        model.Option1_Click(index);
    } else if (name == "Command1" && index < 2) {
        model.Command1_Click(index);
    } else if (name == "Text1" && index < kCounterCount) {
        model.Text1_Click(index);
    } else {
        return false;
    }
    return true;
}

} // namespace quandrel::web
