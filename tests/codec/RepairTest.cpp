#include "codec/Repair.h"
#include "codec/Password.h"
#include "codec/PasswordCheck.h"
#include "codec/PasswordFields.h"
#include "support/RandomState.h"

#include "support/PasswordEdits.h"

#include <gtest/gtest.h>

namespace quandrel {
namespace {

using test::withCharacter;
const std::string& kInitial = test::kInitialPassword;

TEST(PasswordCheck, TypedPasswordsAreFoldedBeforeChecking)
{
    EXPECT_EQ(normalizePassword("ur3q-ur5f ug4f\t423r"), "UR3QUR5FUG4F423R");
    const PasswordCheck good =
        checkPassword(normalizePassword("ur3q ur5f ug4f 423r ur3f ur3f ur3f ur3f ur3f ur3f urs4 a"));
    EXPECT_TRUE(good.valid());

    const PasswordCheck bad = checkPassword(withCharacter(withCharacter(kInitial, 3, 'Z'), 45, 'G'));
    EXPECT_FALSE(bad.valid());
    ASSERT_EQ(bad.problems.size(), 2U);
    EXPECT_EQ(bad.problems[0], (SymbolProblem{3, 'Z', "3RU72G4X5BKN90PQTHVE6OMWAJ18DSIL"}));
    EXPECT_EQ(bad.problems[1].position, 45);
    EXPECT_EQ(bad.problems[1].accepted, "0123456789ABCDEF");

    const PasswordCheck wrongSum = checkPassword(withCharacter(kInitial, 45, 'B'));
    EXPECT_TRUE(wrongSum.problems.empty());
    EXPECT_FALSE(wrongSum.checksumMatches);
    EXPECT_EQ(wrongSum.expectedChecksum, "4A");
    EXPECT_EQ(checkPassword("UR3Q").length, 4U);
}

TEST(Repair, EveryCandidateIsValidAndRankedLookAlikesFirst)
{
    struct Case {
        std::string typed;
        std::string intended;
        bool first; // whether the intended password must be the first suggestion
    };
    const Case cases[] = {
        {withCharacter(kInitial, 7, 'S'), kInitial, true},   // a look-alike slip
        {withCharacter(kInitial, 12, '0'), kInitial, false}, // another slip, among equally likely ones
        {withCharacter(withCharacter(kInitial, 1, 'V'), 5, 'V'), kInitial, false}, // two look-alike slips
        {withCharacter(kInitial, 2, 'C'), kInitial, false}, // a character that is no symbol there
        {withCharacter(withCharacter(kInitial, 44, 'G'), 45, 'Z'), kInitial, false}, // a checksum that is no hex
    };
    for (const auto& c : cases) {
        const auto repairs = suggestRepairs(c.typed);
        ASSERT_FALSE(repairs.empty()) << c.typed;
        for (const auto& repair : repairs) {
            EXPECT_TRUE(checkPassword(repair.password).valid()) << repair.password;
            EXPECT_LE(repair.changes.size(), 2U);
            for (const auto& change : repair.changes) {
                EXPECT_EQ(c.typed[static_cast<std::size_t>(change.position - 1)], change.from);
                EXPECT_EQ(repair.password[static_cast<std::size_t>(change.position - 1)], change.to);
            }
        }
        if (c.first) {
            EXPECT_EQ(repairs.front().password, c.intended) << c.typed;
        } else {
            const auto all = suggestRepairs(c.typed, 100000);
            EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const Repair& r) { return r.password == c.intended; }))
                << c.typed;
        }
        // Look-alike-only corrections come before any with another substitution.
        bool seenOther = false;
        for (const auto& repair : repairs) {
            const bool allLookAlike = std::all_of(repair.changes.begin(), repair.changes.end(),
                                                  [](const Substitution& s) { return s.lookAlike; });
            EXPECT_FALSE(seenOther && allLookAlike) << repair.password;
            seenOther = seenOther || !allLookAlike;
        }
    }
}

TEST(Repair, RandomSingleSlipsAreAmongTheCorrections)
{
    std::mt19937 rng(9);
    for (int i = 0; i < 100; ++i) {
        const std::string password = encodePassword(test::randomState(rng));
        const int position = 1 + static_cast<int>(rng() % 45);
        const char slip = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[rng() % 36];
        const std::string typed = withCharacter(password, position, slip);
        if (typed == password) {
            continue;
        }
        const auto repairs = suggestRepairs(typed, 100000);
        EXPECT_TRUE(std::any_of(repairs.begin(), repairs.end(), [&](const Repair& r) {
            return r.password == password;
        })) << typed;
    }
}

// A character dropped among those of the objects may be put back at several places, each giving
// a password the encoder writes for some set of objects; nothing tells those apart, so a few
// such slips leave the true password below the fifth.
TEST(Repair, ADroppedOrAnExtraCharacterIsAmongTheFirstFive)
{
    std::mt19937 rng(5);
    int belowFifth = 0;
    for (int i = 0; i < 400; ++i) {
        const std::string password = encodePassword(test::randomState(rng));
        std::string typed = password;
        const auto at = static_cast<std::size_t>(rng() % 45);
        if (i % 2 == 0) {
            typed.erase(at, 1);
        } else {
            typed.insert(at, 1, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[rng() % 36]);
        }
        const auto repairs = suggestRepairs(typed);
        const auto found =
            std::find_if(repairs.begin(), repairs.end(), [&](const Repair& r) { return r.password == password; });
        ASSERT_NE(found, repairs.end()) << typed;
        belowFifth += found - repairs.begin() >= 5 ? 1 : 0;
        for (const auto& repair : repairs) {
            EXPECT_TRUE(checkPassword(repair.password).valid()) << repair.password;
        }
    }
    EXPECT_LE(belowFifth, 8); // of 400
}

TEST(Repair, LengthCorrectionsSayWhereAndWhat)
{
    const std::string dropped = kInitial.substr(0, 20) + kInitial.substr(21); // the U at 21
    const auto putBack = suggestRepairs(dropped);
    ASSERT_FALSE(putBack.empty());
    EXPECT_EQ(putBack.front().password, kInitial);
    EXPECT_EQ(putBack.front().changes, (std::vector<Substitution>{{21, '\0', 'U', false, Edit::Insert}}));

    const std::string extra = kInitial.substr(0, 30) + "X" + kInitial.substr(30);
    const auto takenOut = suggestRepairs(extra);
    ASSERT_FALSE(takenOut.empty());
    EXPECT_EQ(takenOut.front().password, kInitial);
    EXPECT_EQ(takenOut.front().changes, (std::vector<Substitution>{{31, 'X', '\0', false, Edit::Remove}}));

    // A dropped character and a look-alike slip: the slip's position is in the typed text.
    const std::string both = withCharacter(dropped, 7, 'S');
    const auto all = suggestRepairs(both, 100000);
    const auto found = std::find_if(all.begin(), all.end(), [&](const Repair& r) { return r.password == kInitial; });
    ASSERT_NE(found, all.end());
    EXPECT_EQ(found->changes,
              (std::vector<Substitution>{{7, 'S', '5', true, Edit::Replace}, {21, '\0', 'U', false, Edit::Insert}}));
}

TEST(Repair, OnlyPasswordsNearFullLengthWithFewSlipsAreRepaired)
{
    EXPECT_TRUE(suggestRepairs(kInitial.substr(0, 43)).empty());
    EXPECT_TRUE(suggestRepairs(kInitial + "44").empty());
    EXPECT_TRUE(suggestRepairs(withCharacter(withCharacter(withCharacter(kInitial, 1, 'Z'), 2, 'Z'), 3, 'Z')).empty());
}

TEST(PasswordFields, CharactersNameTheFieldsTheyCarry)
{
    struct Case {
        int character;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {1, {"arrows"}},
        {3, {"arrows"}},
        {4, {"arrows", "coins"}},
        {10, {"keys"}},
        {11, {"lower experience"}},
        {16, {"upper vitality"}},
        {17, {}}, // the world section's constant prefix
        {25, {"world 5 flags", "world 5 state"}},
        {42, {"object 35", "object 36", "shield"}},
        {43, {"warrior"}},
        {45, {"checksum"}},
        {46, {}}, // past the password: nothing, where a longer text is explained
    };
    for (const auto& c : cases) {
        std::vector<std::string> fields;
        for (const FieldId field : fieldsOfCharacter(c.character)) {
            fields.push_back(fieldName(field));
        }
        std::sort(fields.begin(), fields.end());
        auto expected = c.fields;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(fields, expected) << "character " << c.character;
    }
}

TEST(PasswordFields, ChangedFieldsListOnlyWhatDiffers)
{
    GameState state;
    state.counters[0] = "013";
    state.worlds[2].state = WorldState::Open;
    const auto changes = changedFields(decodeSlotText(kInitial), decodeSlotText(encodePassword(state)));
    ASSERT_EQ(changes.size(), 2U);
    EXPECT_EQ(changes[0].name, "arrows");
    EXPECT_EQ(changes[0].before, "100");
    EXPECT_EQ(changes[0].after, "013");
    EXPECT_EQ(changes[1].name, "world 3 state");
    EXPECT_EQ(changes[1].after, "Open");
}

} // namespace
} // namespace quandrel
