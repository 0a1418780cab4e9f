#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quandrel {

// The words of the menus and of the dialogs that both editions show, each in English
// as the desktop shows it: "&" before a menu's mnemonic, "..." after a command that asks for more.
// The desktop translates them in the context "quandrel::CommandWords"; the page shows them plain.
struct CommandWord {
    std::string_view key; // a menu ("game"), a menu command's data-command, or a dialog's word
    const char* english;
};

std::span<const CommandWord> commandWords();

// The English of `key`, or "" for a key the table lacks.
const char* commandWord(std::string_view key);

// `english` as the page shows it: without the mnemonic's "&", and "..." as one "…".
std::string plainCommandWord(std::string_view english);

} // namespace quandrel
