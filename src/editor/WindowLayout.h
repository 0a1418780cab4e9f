#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quandrel {

// Twips: 1/1440 inch, 15 to a pixel at 96 dots per inch.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;

    bool operator==(const TwipsRect&) const = default;
};

enum class ControlKind { Form, Frame, Label, Picture, CheckBox, OptionButton, CommandButton, TextBox };

// Left-aligned text starts at the top left; centred text sits in the middle both ways.
enum class TextAlignment { Left, Centre };

struct FontLayout {
    std::string_view family; // "" for the toolkit's default family
    double points;           // 0 for the container's size
};

// One control of the editor window as it is created. Whatever the editor state decides (texts
// of the counter boxes, value and world labels, the password, check values, later borders and
// visibility) comes from the model; this holds the rest.
struct ControlLayout {
    std::string_view name; // "Image4"
    int index;             // -1 when the control is not in an array
    ControlKind kind;
    std::string_view frame;   // the containing frame's full control name, e.g. "Frame4"; "" on the form itself
    TwipsRect rect;           // relative to the container's client area; a picture's is its picture's size
    std::string_view caption; // "" when none is shown or the model supplies it
    std::string_view picture; // picture's stem under assets/, e.g. "objects/object00"; "" when none
    bool visible;             // initial visibility
    bool border;              // initial border (fixed single)
    int tabIndex;             // tab order; -1 for controls that take no focus
    TextAlignment alignment = TextAlignment::Left;
    FontLayout font = {};
    bool wordWrap = false;
    bool enabled = true;
    int maxLength = 0; // characters a text box takes; 0 for no limit
};

// Every control of the editor window, the form first, each frame before the controls it holds.
std::span<const ControlLayout> windowLayout();

// The control of that name and index; throws std::out_of_range when the window has none.
const ControlLayout& windowControl(std::string_view name, int index = -1);

// "Image4(12)" for an element of a control array, "Form1" for a single control.
std::string controlName(const ControlLayout& control);

} // namespace quandrel
