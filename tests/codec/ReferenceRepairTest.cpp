#include "ReferenceRepair.h"
#include "codec/Password.h"
#include "support/RandomState.h"

#include <gtest/gtest.h>

namespace quandrel {
namespace {

// The corrections as one comparable text: each password with its changes, in order.
std::string listing(const std::vector<Repair>& repairs)
{
    std::string text;
    for (const Repair& repair : repairs) {
        text += repair.password;
        for (const Substitution& s : repair.changes) {
            text += ' ' + std::to_string(s.position) + ':' + s.from + '>' + s.to + (s.lookAlike ? "~" : "") +
                    std::to_string(static_cast<int>(s.edit));
        }
        text += '\n';
    }
    return text;
}

// Typed texts with random slips: one or two characters changed (symbols, look-alikes, characters
// that are no symbol there), one dropped or one too many, and the slowest cases known.
std::vector<std::string> typedSamples()
{
    std::mt19937 rng(1212);
    const auto anyCharacter = [&rng] { return "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[rng() % 36]; };
    std::vector<std::string> typed = {std::string(43, 'U') + "1A", std::string(44, '0'), std::string(46, '0'),
                                      "KGUQUR877G6RIETJURNB19HBXXNTPRG0UP3EMJA9W0P55"};
    for (int i = 0; i < 120; ++i) {
        std::string text = encodePassword(test::randomState(rng));
        switch (i % 4) {
        case 0:
            text[rng() % text.size()] = anyCharacter();
            break;
        case 1:
            text[rng() % text.size()] = anyCharacter();
            text[rng() % text.size()] = anyCharacter();
            break;
        case 2:
            text.erase(rng() % text.size(), 1);
            text[rng() % text.size()] = i % 8 == 2 ? anyCharacter() : text[rng() % text.size()];
            break;
        default:
            text.insert(rng() % (text.size() + 1), 1, anyCharacter());
            break;
        }
        typed.push_back(text);
    }
    return typed;
}

TEST(ReferenceRepair, CorrectionsAndTheirOrderAreThoseOfTheFullSearch)
{
    for (const std::string& typed : typedSamples()) {
        ASSERT_EQ(listing(suggestRepairs(typed)), listing(reference::suggestRepairs(typed))) << typed;
    }
    const std::string typed = std::string(43, 'U') + "1A";
    EXPECT_EQ(listing(suggestRepairs(typed, 40)), listing(reference::suggestRepairs(typed, 40)));
    EXPECT_EQ(listing(suggestRepairs(typed, 0)), "");
}

} // namespace
} // namespace quandrel
