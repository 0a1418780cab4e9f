#include "CommandWords.h"

#include <array>

// Marks a word for Qt's lupdate, as in ControlNames.cpp.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace quandrel {

std::span<const CommandWord> commandWords()
{
    static constexpr std::array<CommandWord, 30> kWords = {{
        {"game", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&Game")},
        {"enterPassword", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&Enter password...")},
        {"newGame", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&New game")},
        {"everything", QT_TRANSLATE_NOOP("quandrel::CommandWords", "E&verything")},
        {"openSlotFile", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&Open slot file...")},
        {"downloadSlotFile", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&Download slot file...")},
        {"quit", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&Quit")},
        {"edit", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&Edit")},
        {"undo", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&Undo")},
        {"redo", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&Redo")},
        {"copyPassword", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&Copy password")},
        {"pastePassword", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&Paste password...")},
        {"copyLink", QT_TRANSLATE_NOOP("quandrel::CommandWords", "Copy &link")},
        {"keyboardAccess", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&Keyboard access to pictures and labels")},
        {"help", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&Help")},
        {"keyboardShortcuts", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&Keyboard shortcuts...")},
        {"about", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&About Quandrel Password Generator")},
        {"aboutQt", QT_TRANSLATE_NOOP("quandrel::CommandWords", "About &Qt")},
        // The entry dialog's button, and its caption while it asks about a checksum that does not match.
        {"loadPassword", QT_TRANSLATE_NOOP("quandrel::CommandWords", "&Load")},
        {"loadAnyway", QT_TRANSLATE_NOOP("quandrel::CommandWords", "Load anyway")},
        // The titles of the messages that say a slot command failed.
        {"loadFailed", QT_TRANSLATE_NOOP("quandrel::CommandWords", "Load failed")},
        {"saveFailed", QT_TRANSLATE_NOOP("quandrel::CommandWords", "Save failed")},
        // The title of the note that the clipboard holds nothing to paste.
        {"pasteTitle", QT_TRANSLATE_NOOP("quandrel::CommandWords", "Paste password")},
        // The entry dialog's title and the names of its parts.
        {"entryTitle", QT_TRANSLATE_NOOP("quandrel::CommandWords", "Enter a password")},
        {"password", QT_TRANSLATE_NOOP("quandrel::CommandWords", "Password")},
        {"passwordAsRead", QT_TRANSLATE_NOOP("quandrel::CommandWords", "Password as read")},
        {"corrections", QT_TRANSLATE_NOOP("quandrel::CommandWords", "Corrections")},
        // The shortcut list's title and its columns.
        {"shortcutsTitle", QT_TRANSLATE_NOOP("quandrel::CommandWords", "Keyboard shortcuts")},
        {"shortcutCommand", QT_TRANSLATE_NOOP("quandrel::CommandWords", "Command")},
        {"shortcutKeys", QT_TRANSLATE_NOOP("quandrel::CommandWords", "Keys")},
    }};
    return kWords;
}

const char* commandWord(std::string_view key)
{
    for (const CommandWord& word : commandWords()) {
        if (word.key == key) {
            return word.english;
        }
    }
    return "";
}

std::string plainCommandWord(std::string_view english)
{
    std::string plain;
    for (std::size_t i = 0; i < english.size(); ++i) {
        if (english.substr(i, 3) == "...") {
            plain += "…";
            i += 2;
        } else if (english[i] != '&') {
            plain += english[i];
        }
    }
    return plain;
}

} // namespace quandrel
