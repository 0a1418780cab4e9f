#include "ShortcutTable.h"

namespace quandrel {

std::span<const Shortcut> editorShortcuts()
{
    static constexpr std::array<Shortcut, 7> kShortcuts = {{
        {"enterPassword", {"Ctrl+E", ""}, true},
        {"newGame", {"Ctrl+N", ""}, false},
        {"quit", {"Ctrl+Q", ""}, false},
        {"undo", {"Ctrl+Z", ""}, true},
        {"redo", {"Ctrl+Y", "Ctrl+Shift+Z"}, true},
        // Not Ctrl+C: that stays the counter boxes' own.
        {"copyPassword", {"Ctrl+Shift+C", ""}, true},
        // A focused counter box takes Ctrl+V for itself first, as line edits override paste.
        {"pastePassword", {"Ctrl+V", ""}, false},
    }};
    return kShortcuts;
}

} // namespace quandrel
