#pragma once

#include "editor/EditorControls.h"

#include <QString>

#include <string_view>

namespace quandrel {

// The editor's names of the window's controls, in the reader's language: what a control keeps
// for the whole run, what it takes from the editor's state (see editor/ControlNames.h).
QString fixedAccessibleName(std::string_view name, int index = -1);
QString stateAccessibleName(std::string_view name, int index, const EditorControls& controls);
// "Upper vitality" for row 0.
QString valueRowText(int row);
// The control's tooltip (see editor/ControlToolTips.h); `slotPlace` names a slot button's file.
QString controlToolTipText(std::string_view name, int index = -1, const QString& slotPlace = {});

} // namespace quandrel
