#include "LayoutJson.h"

#include "JsonText.h"
#include "editor/ControlNames.h"
#include "editor/ControlRoles.h"
#include "editor/ControlToolTips.h"
#include "editor/EditorControls.h"
#include "editor/WindowLayout.h"
#include "slots/SlotFacts.h"

namespace quandrel::web {
namespace {

std::string_view kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Form:
        return "Form";
    case ControlKind::Frame:
        return "Frame";
    case ControlKind::Label:
        return "Label";
    case ControlKind::Picture:
        return "Picture";
    case ControlKind::CheckBox:
        return "CheckBox";
    case ControlKind::OptionButton:
        return "OptionButton";
    case ControlKind::CommandButton:
        return "CommandButton";
    case ControlKind::TextBox:
        return "TextBox";
    }
    return "";
}

std::string boolean(bool value) { return value ? "true" : "false"; }

} // namespace

std::string windowLayoutJson()
{
    std::string json = "[";
    for (const ControlLayout& c : windowLayout()) {
        json += json.size() > 1 ? "," : "";
        json += "{\"control\":" + jsonString(controlName(c)) + ",\"name\":" + jsonString(c.name) +
                ",\"index\":" + std::to_string(c.index) + ",\"kind\":" + jsonString(kindName(c.kind)) +
                ",\"frame\":" + jsonString(c.frame) + ",\"rect\":[" + std::to_string(c.rect.left) + "," +
                std::to_string(c.rect.top) + "," + std::to_string(c.rect.width) + "," + std::to_string(c.rect.height) +
                "],\"caption\":" + jsonString(c.caption) + ",\"picture\":" + jsonString(c.picture) +
                ",\"visible\":" + boolean(c.visible) + ",\"border\":" + boolean(c.border) +
                ",\"tabIndex\":" + std::to_string(c.tabIndex) +
                ",\"centred\":" + boolean(c.alignment == TextAlignment::Centre) +
                ",\"wordWrap\":" + boolean(c.wordWrap) + ",\"maxLength\":" + std::to_string(c.maxLength) +
                ",\"roles\":" + std::to_string(controlRoles(c)) +
                ",\"toolTip\":" + jsonString(controlToolTip(c.name, c.index, slotFileName(c.index + 1))) +
                ",\"accessibleName\":" + jsonString(fixedControlName(c.name, c.index)) + "}";
    }
    return json + "]";
}

} // namespace quandrel::web
