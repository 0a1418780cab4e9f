#include "LayoutJson.h"

#include "JsonWriter.h"
#include "editor/ControlNames.h"
#include "editor/ControlRoles.h"
#include "editor/ControlToolTips.h"
#include "editor/EditorControls.h"
#include "editor/WindowLayout.h"
#include "slotfile/SlotFacts.h"

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

} // namespace

std::string windowLayoutJson()
{
    JsonWriter json;
    json.beginArray();
    for (const ControlLayout& c : windowLayout()) {
        json.beginObject();
        json.key("control").string(controlName(c));
        json.key("name").string(c.name);
        json.key("index").number(c.index);
        json.key("kind").string(kindName(c.kind));
        json.key("frame").string(c.frame);
        json.key("rect").beginArray().number(c.rect.left).number(c.rect.top);
        json.number(c.rect.width).number(c.rect.height).endArray();
        json.key("caption").string(c.caption);
        json.key("picture").string(c.picture);
        json.key("visible").boolean(c.visible);
        json.key("border").boolean(c.border);
        json.key("tabIndex").number(c.tabIndex);
        json.key("centred").boolean(c.alignment == TextAlignment::Centre);
        json.key("wordWrap").boolean(c.wordWrap);
        json.key("maxLength").number(c.maxLength);
        json.key("roles").number(controlRoles(c));
        json.key("toolTip").string(controlToolTip(c.name, c.index, slotFileName(c.index + 1)));
        json.key("accessibleName").string(fixedControlName(c.name, c.index));
        json.endObject();
    }
    return json.endArray().take();
}

} // namespace quandrel::web
