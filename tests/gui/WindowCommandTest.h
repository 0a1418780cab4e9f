#pragma once

#include "EditorWindowTest.h"

#include <QKeySequence>

class QAction;

namespace quandrel {

// The editor window with the helpers for its menus, shortcuts and dialogs.
class WindowCommandTest : public EditorWindowTest {
    Q_OBJECT

protected:
    QAction* action(const char* name) const;

    // Chooses an action the way a user does: a click on its menu's title, then on the action.
    void chooseFromMenu(QAction* command);

    // Makes the window the active one, so that its shortcuts apply, with the focus where it
    // was: in the arrows box at first.
    void activateWindow();
    // Presses keys into whatever widget has the focus.
    void pressKeys(const QKeySequence& keys);

    // Opens Game > Enter password, types `typed` and presses Load.
    void enterPassword(const QString& typed);

    // The last non-blocking window of a kind, found by its object name.
    template <typename T> T* openWindow(const QString& name) const
    {
        T* found = window().findChild<T*>(name);
        return found != nullptr && found->isVisible() ? found : nullptr;
    }
};

} // namespace quandrel
