#include "editor/CommandWords.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quandrel {
namespace {

TEST(CommandWordsTest, ThePageShowsTheWordsPlain)
{
    const struct {
        std::string_view key;
        std::string plain;
    } cases[] = {
        {"game", "Game"},
        {"enterPassword", "Enter password…"},
        {"everything", "Everything"}, // the mnemonic mid-word
        {"copyLink", "Copy link"},
        {"keyboardShortcuts", "Keyboard shortcuts…"},
        {"loadPassword", "Load"},
        {"loadAnyway", "Load anyway"},
        {"loadFailed", "Load failed"},
        {"saveFailed", "Save failed"},
        {"pasteTitle", "Paste password"},
        {"noSuchWord", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(plainCommandWord(commandWord(c.key)), c.plain) << c.key;
    }
}

// A key twice would hide the second word from both editions.
TEST(CommandWordsTest, EachKeyOnce)
{
    std::set<std::string_view> keys;
    for (const CommandWord& word : commandWords()) {
        EXPECT_TRUE(keys.insert(word.key).second) << word.key;
    }
}

} // namespace
} // namespace quandrel
