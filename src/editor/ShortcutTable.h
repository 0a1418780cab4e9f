#pragma once

#include <array>
#include <span>
#include <string_view>

namespace quandrel {

// The menu commands' keyboard shortcuts, for the desktop's actions and the page's keys alike,
// each in Qt's portable key text ("Ctrl+Shift+Z").
struct Shortcut {
    std::string_view command;             // the page's data-command; the desktop's action is command + "Action"
    std::array<std::string_view, 2> keys; // "" where a command has one key only
    bool inBrowser;                       // a browser keeps Ctrl+N, Ctrl+Q and Ctrl+V for itself
};

std::span<const Shortcut> editorShortcuts();

} // namespace quandrel
