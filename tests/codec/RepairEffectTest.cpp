#include "codec/RepairEffect.h"

#include "support/PasswordEdits.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quandrel {
namespace {

using test::withCharacter;
const std::string& kInitial = test::kInitialPassword;

struct Effect {
    std::string name;
    std::string before;
    std::string after;

    bool operator==(const Effect&) const = default;
};

void PrintTo(const Effect& effect, std::ostream* out)
{
    *out << effect.name << " '" << effect.before << "' -> '" << effect.after << "'";
}

std::vector<Effect> effectOf(const std::string& typed, const std::vector<Substitution>& changes)
{
    std::vector<Effect> effect;
    for (const FieldChange& change : repairEffect(typed, Repair{kInitial, changes})) {
        effect.push_back({change.name, change.before, change.after});
    }
    return effect;
}

// Every case corrects the typed text back to the initial password.
TEST(RepairEffect, NamesWhatTheCorrectionChanges)
{
    struct Case {
        const char* what;
        std::string typed;
        std::vector<Substitution> changes;
        std::vector<Effect> expected;
    };
    const Case cases[] = {
        {"a body slip that still decodes: the fields that move",
         withCharacter(kInitial, 1, '7'),
         {{1, '7', 'U', false}},
         {{"arrows", "108", "100"}}},
        {"a mistyped checksum: no field moves", withCharacter(kInitial, 45, 'B'), {{45, 'B', 'A', false}}, {}},
        {"an invalid symbol: the fields its place carries, as corrected",
         withCharacter(kInitial, 1, 'Z'),
         {{1, 'Z', 'U', false}},
         {{"arrows", "", "100"}}},
        {"two invalid symbols in one field: that field once",
         withCharacter(withCharacter(kInitial, 1, 'Z'), 2, 'Z'),
         {{1, 'Z', 'U', false}, {2, 'Z', 'R', false}},
         {{"arrows", "", "100"}}},
        {"an invalid symbol across two fields: both",
         withCharacter(kInitial, 4, 'Z'),
         {{4, 'Z', 'Q', false}},
         {{"arrows", "", "100"}, {"coins", "", "100"}}},
        {"a dropped character put back: the fields of its place",
         kInitial.substr(1),
         {{1, '\0', 'U', false, Edit::Insert}},
         {{"arrows", "", "100"}}},
        {"a character too many taken out: the fields of its place",
         "X" + kInitial,
         {{1, 'X', '\0', false, Edit::Remove}},
         {{"arrows", "", "100"}}},
        {"a slip after a character put back: counted where it lands",
         withCharacter(kInitial.substr(1), 13, 'Z'),
         {{1, '\0', 'U', false, Edit::Insert}, {13, 'Z', '2', true}},
         {{"arrows", "", "100"}, {"upper experience", "", "6"}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(effectOf(c.typed, c.changes), c.expected) << c.what;
    }
}

} // namespace
} // namespace quandrel
