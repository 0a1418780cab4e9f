#pragma once

#include <QColor>

class QKeyEvent;
class QPainter;
class QPalette;
class QWidget;

namespace quandrel {

// The player's setting "Keyboard access to pictures and labels": off, the pictures and labels
// take no focus, as the window always had it; on, Tab reaches them in reading order, Space and
// Enter click them and the arrow keys move within a panel.
namespace keyboardaccess {

// The setting as the player last left it; off until first turned on.
bool saved();
// Keeps the setting for the next start; false when it cannot be written (a config folder that is
// a file or read-only), and then it lasts for this run only.
bool save(bool on);

// Lets Tab reach every clickable picture and label under `area`, or takes that away again.
// Turned on, the whole focus chain follows reading order: panel by panel, left to right and
// top to bottom, and within each panel the same way.
void setReachable(QWidget* area, bool on);

// Space or Enter, which click a focused picture or label.
bool isClickKey(const QKeyEvent& event);
// Moves the focus from `from` to the nearest control of its panel in the arrow key's direction;
// false for other keys or when nothing lies that way.
bool moveWithinPanel(QWidget* from, int key);

// The focused control's outline, legible on the window in light and dark themes.
QColor focusRingColour(const QPalette& palette);
void drawFocusRing(QPainter& painter, const QWidget& widget);

} // namespace keyboardaccess

} // namespace quandrel
