#include "editor/PasswordJudgement.h"

#include "support/PasswordEdits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quandrel {
namespace {

using Mark = PasswordJudgement::Mark;

std::string with(std::string password, int place, char c)
{
    password[static_cast<std::size_t>(place - 1)] = c;
    return password;
}

// Each character's mark in reading order, '.' for none, 'x' invalid, 's' surplus; groups
// separated by blanks.
std::string marks(const PasswordJudgement& judged)
{
    std::string out;
    for (const PasswordJudgement::Group& group : judged.groups()) {
        out += out.empty() ? "" : " ";
        for (const PasswordJudgement::ShownCharacter& c : group) {
            out += c.mark == Mark::Invalid ? 'x' : c.mark == Mark::Surplus ? 's' : '.';
        }
    }
    return out;
}

std::string shownText(const PasswordJudgement& judged)
{
    std::string out;
    for (const PasswordJudgement::Group& group : judged.groups()) {
        for (const PasswordJudgement::ShownCharacter& c : group) {
            out += c.text;
        }
    }
    return out;
}

TEST(PasswordJudgement, GroupsMarkInvalidAndSurplusCharacters)
{
    const PasswordJudgement judged(with(test::kInitialPassword, 14, 'Z') + "7");
    EXPECT_EQ(marks(judged), ".... .... .... .x.. .... .... .... .... .... .... .... .s");
    EXPECT_EQ(judged.problemPlaces(), std::vector<int>{14});
    EXPECT_FALSE(judged.loadable());
    // The surplus character already says why the checksum is not compared.
    EXPECT_EQ(judged.checksumNote(), "");
}

// What the user typed is what the echo and the sentences show, whatever the text's encoding.
TEST(PasswordJudgement, ReadsUtf8AsTyped)
{
    struct Case {
        std::string typed;
        std::string password; // as the codec reads it
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"ab-c d", "ABCD", "ABCD"},
        {"A\xc3\xa9", "A\xe9", "A\xc3\xa9"},                                // Latin-1 as one byte
        {"A\xe2\x82\xac", "A?", "A\xe2\x82\xac"},                           // the euro sign beyond Latin-1
        {"A\xf0\x9f\x99\x82", "A?", "A\xf0\x9f\x99\x82"},                   // four bytes
        {"A\xff", "A?", "A\xef\xbf\xbd"},                                   // no UTF-8: the replacement character
        {"A\xc0\x80", "A??", "A\xef\xbf\xbd\xef\xbf\xbd"},                  // an overlong NUL is no NUL
        {"A\xed\xa0\x80", "A???", "A\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"}, // a lone surrogate
        {"A\xe2\x82", "A??", "A\xef\xbf\xbd\xef\xbf\xbd"},                  // cut short
    };
    for (const Case& c : cases) {
        const PasswordJudgement judged(c.typed);
        EXPECT_EQ(judged.password(), c.password) << c.typed;
        EXPECT_EQ(shownText(judged), c.shown) << c.typed;
    }
    const PasswordJudgement euro(with(test::kInitialPassword, 5, '?').replace(4, 1, "\xe2\x82\xac"));
    ASSERT_EQ(euro.problems().size(), 1U);
    EXPECT_EQ(euro.problems()[0].substr(0, 30), "Character 5, \xe2\x82\xac, is not valid");
}

TEST(PasswordJudgement, AsksBeforeLoadingAWrongChecksum)
{
    const PasswordJudgement judged(with(test::kInitialPassword, 45, 'B'));
    EXPECT_TRUE(judged.loadable());
    EXPECT_FALSE(judged.checksumMatches());
    EXPECT_EQ(judged.checksumQuestion(), "Checksum 4B does not match: the characters before it give 4A.\n"
                                         "Load the password anyway? The window then shows it with its own checksum.");
}

TEST(PasswordJudgement, OffersTheLookAlikeCorrectionInGroups)
{
    const PasswordJudgement judged(with(test::kInitialPassword, 1, 'V'));
    ASSERT_FALSE(judged.corrections().empty());
    const PasswordJudgement::Correction& best = judged.corrections().front();
    EXPECT_EQ(best.password, test::kInitialPassword);
    EXPECT_EQ(best.shown.substr(0, 15), "UR3Q UR5F UG4F ");
    EXPECT_EQ(best.changes, "character 1: V \xe2\x86\x92 U (look-alike)");
    EXPECT_EQ(judged.correctionsNote(), "Likely corrections, best first; choose one to put it in the box:");
    EXPECT_TRUE(PasswordJudgement(test::kInitialPassword).corrections().empty());
}

} // namespace
} // namespace quandrel
