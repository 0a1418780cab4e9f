#include "editor/EditorSession.h"
#include "codec/Password.h"
#include "editor/Presets.h"
#include "editor/SlotText.h"
#include "slotfile/SlotError.h"
#include "slotfile/SlotFacts.h"

#include <gtest/gtest.h>

#include <string>

namespace quandrel {
namespace {

class EditorSessionTest : public ::testing::Test {
protected:
    EditorSession session{[] { return std::string("12:00:00"); }};
    const std::string everything = encodePassword(everythingPreset());
};

// The start and a password that came with the address are where the history begins: undo
// right after them has nothing to take back, and a save then writes the whole password.
TEST_F(EditorSessionTest, HistoryBeginsAfterTheStartAndAnOpenedLink)
{
    session.start();
    EXPECT_FALSE(session.history().canUndo());
    EXPECT_EQ(session.undoCaption(), "Undo");
    session.undo();
    EXPECT_EQ(session.model().controls().password.size(), static_cast<std::size_t>(kPasswordLength));

    session.openLink(everything);
    EXPECT_FALSE(session.history().canUndo());
    EXPECT_EQ(session.model().controls().password, everything);

    session.newGame();
    EXPECT_EQ(session.undoCaption(), "Undo New game");
    session.undo();
    EXPECT_EQ(session.model().controls().password, everything);
    EXPECT_EQ(session.redoCaption(), "Redo New game");
}

TEST_F(EditorSessionTest, CaptionsGoThroughTheTranslator)
{
    session.start();
    session.everything();
    const auto french = [](std::string_view english) {
        return english == "Undo %1" ? std::string("Annuler %1") : std::string(english);
    };
    EXPECT_EQ(session.undoCaption(french), "Annuler Everything");
    EXPECT_EQ(session.redoCaption(french), "Redo");
}

TEST_F(EditorSessionTest, TypedPasswordIsReadUpToTheEntryLimit)
{
    session.start();
    session.enterPassword(everything + std::string(100'000, 'x'));
    EXPECT_EQ(session.model().controls().password, everything);
    EXPECT_EQ(session.undoCaption(), "Undo Enter password");
    EXPECT_THROW(session.enterPassword(std::string(EditorSession::kEntryLimit, '\x89')), InvalidSymbol);
}

// A slot's bytes are judged before anything is stored or shown, in words that name the character
// and its place; the symbols a place takes are for the entry dialog, not for a load's message.
TEST_F(EditorSessionTest, SlotTextProblemsNameTheCharacterAndItsPlace)
{
    struct Case {
        const char* name;
        std::string contents;
        std::string problem; // "" when the contents load
    };
    const Case cases[] = {
        {"a slot file", slotFileBytes(everything), ""},
        {"empty", "", "Slot 2 (here): could not load: the file is empty"},
        {"binary", std::string("\x89PNG\r\n\x1a\n", 8),
         "Slot 2 (here): holds no valid password: character 1 is \\x89, which no password has there"},
        {"prose", "Dear diary, today I",
         "Slot 2 (here): holds no valid password: character 2 is 'e', which no "
         "password has there"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(slotTextProblem(2, "here", c.contents), c.problem) << c.name;
    }
}

TEST_F(EditorSessionTest, FailedSlotLoadOnlyClearsTheSelectAllBorder)
{
    session.start();
    session.model().Image8_Click();
    ASSERT_TRUE(session.model().controls().selectAllBorder);
    const std::string before = session.model().controls().password;
    EXPECT_THROW(loadSlotText(session.model(), 3, "here", "not a password"), SlotError);
    EXPECT_FALSE(session.model().controls().selectAllBorder);
    EXPECT_EQ(session.model().controls().password, before);

    loadSlotText(session.model(), 3, "here", slotFileBytes(everything));
    EXPECT_EQ(session.model().controls().password, everything);
    EXPECT_EQ(session.undoCaption(), "Undo Load slot 3");
}

} // namespace
} // namespace quandrel
