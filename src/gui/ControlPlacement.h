#pragma once

#include "editor/WindowLayout.h"

#include <QString>
#include <Qt>

class QGroupBox;
class QLabel;
class QWidget;

namespace quandrel {

class ClickablePicture;

// Builds the window's widgets where the layout table puts them, under their control names.

// The control's object name and place. A picture only moves there: its size follows its
// picture and its border.
void placeControl(QWidget& widget, const ControlLayout& control);

// A frame's name, place and caption.
void placeFrame(QGroupBox& frame, const ControlLayout& control);

// A label's name, place, border, alignment and wrapping.
void placeLabel(QLabel& label, const ControlLayout& control);

// The control's picture, placed in `parent`.
ClickablePicture* createPicture(const ControlLayout& control, QWidget* parent);

QString layoutText(std::string_view text);
Qt::Alignment layoutAlignment(const ControlLayout& control);

} // namespace quandrel
