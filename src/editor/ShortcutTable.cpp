#include "ShortcutTable.h"

namespace quandrel {

std::span<const Shortcut> editorShortcuts()
{
    static constexpr std::array<Shortcut, 7> kShortcuts = {{
        {"enterPassword", "Enter password…", {"Ctrl+E", ""}, true},
        {"newGame", "New game", {"Ctrl+N", ""}, false},
        {"quit", "Quit", {"Ctrl+Q", ""}, false},
        {"undo", "Undo", {"Ctrl+Z", ""}, true},
        {"redo", "Redo", {"Ctrl+Y", "Ctrl+Shift+Z"}, true},
        // Not Ctrl+C: that stays the counter boxes' own.
        {"copyPassword", "Copy password", {"Ctrl+Shift+C", ""}, true},
        // A focused counter box takes Ctrl+V for itself first, as line edits override paste.
        {"pastePassword", "Paste password…", {"Ctrl+V", ""}, false},
    }};
    return kShortcuts;
}

} // namespace quandrel
