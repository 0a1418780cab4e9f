#include "ControlRoles.h"

#include "EditorControls.h"
#include "WindowLayout.h"

#include <algorithm>
#include <array>

namespace quandrel {

bool isWordPicture(std::string_view picture)
{
    static constexpr std::array<std::string_view, 2> kWordPictures = {"objects/noshield", "objects/selectall"};
    return std::find(kWordPictures.begin(), kWordPictures.end(), picture) != kWordPictures.end();
}

int controlRoles(const ControlLayout& control)
{
    const std::string_view name = control.name;
    const bool clickable = name == "Image4" || name == "Image5" || name == "Image8" || name == "Label3" ||
                           name == "Option1" || name == "Command1";
    // An object and the select-all switch are on while bordered; a shield or warrior only steps.
    const bool pressable = (name == "Image4" && control.index < kFirstShieldPicture) || name == "Image8";
    return (clickable ? kClickable : 0) | (pressable ? kPressable : 0) |
           (isWordPicture(control.picture) ? kWordPicture : 0);
}

} // namespace quandrel
