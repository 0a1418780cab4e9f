// Every correction `fix` offers for a text of 44 to 46 characters is a valid password that its
// changes make of the text; and one slip (a character replaced, dropped or added) in a valid
// password always gives at least one correction.
#include "PropertyCheck.h"
#include "codec/Alphabets.h"
#include "codec/Password.h"
#include "codec/PasswordCheck.h"
#include "codec/Repair.h"
#include "codec/Sections.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quandrel;
using fuzz::require;

// The text the changes make of the typed one, each at its place in the typed text, the last
// first; at one place the character there is replaced before another is put back before it.
std::string applied(std::string typed, std::vector<Substitution> changes)
{
    std::stable_sort(changes.begin(), changes.end(), [](const Substitution& a, const Substitution& b) {
        return a.position > b.position ||
               (a.position == b.position && a.edit != Edit::Insert && b.edit == Edit::Insert);
    });
    for (const Substitution& change : changes) {
        const auto at = static_cast<std::size_t>(change.position - 1);
        switch (change.edit) {
        case Edit::Replace:
            require(at < typed.size() && typed[at] == change.from, "a replaced character is the one typed there");
            require(change.lookAlike == looksAlike(change.from, change.to), "a look-alike is marked as one");
            typed[at] = change.to;
            break;
        case Edit::Insert:
            require(at <= typed.size(), "a character is put back within the text or after it");
            typed.insert(at, 1, change.to);
            break;
        case Edit::Remove:
            require(at < typed.size() && typed[at] == change.from, "a character taken out is the one typed there");
            typed.erase(at, 1);
            break;
        }
    }
    return typed;
}

void checkCorrections(const std::string& typed, const std::vector<Repair>& repairs)
{
    require(repairs.size() <= kMaxRepairs, "at most the asked number of corrections");
    for (std::size_t i = 0; i < repairs.size(); ++i) {
        const Repair& repair = repairs[i];
        require(checkPassword(repair.password).valid(), "every correction is a valid password");
        require(!repair.changes.empty() && repair.changes.size() <= 2, "a correction makes one or two changes");
        require(applied(typed, repair.changes) == repair.password, "the changes make the correction of the text");
        for (std::size_t j = 0; j < i; ++j) {
            require(repairs[j].password != repair.password, "each correction is offered once");
        }
    }
}

// A valid password made of the input (its bytes pick each body symbol, round and round), and
// one slip in it picked by the bytes after those.
std::pair<std::string, std::string> slipInValidPassword(std::string_view input)
{
    const auto byte = [input](std::size_t i) {
        return input.empty() ? 0U : static_cast<unsigned char>(input[i % input.size()]);
    };
    std::string password;
    for (int k = 1; k <= kBodyLength; ++k) {
        password +=
            symbolFor(static_cast<int>(byte(static_cast<std::size_t>(k - 1)) % kSymbolCount), positionInGroup(k));
    }
    password += checksumOf(password);
    std::string typed = password;
    const unsigned kind = byte(kBodyLength) % 3;
    const auto place = static_cast<std::size_t>(byte(kBodyLength + 1)) % (typed.size() + (kind == 2 ? 1 : 0));
    const auto slip = static_cast<char>(byte(kBodyLength + 2));
    if (kind == 0) {
        typed[place] = slip;
    } else if (kind == 1) {
        typed.erase(place, 1);
    } else {
        typed.insert(place, 1, slip);
    }
    return {password, typed};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // The text as `fix` reads it.
    const std::string typed = normalizePassword(input);
    if (typed.size() >= 44 && typed.size() <= 46 && !checkPassword(typed).valid()) {
        checkCorrections(typed, suggestRepairs(typed));
    }

    const auto [password, slipped] = slipInValidPassword(input);
    require(checkPassword(password).valid(), "the password the slip is made in is valid");
    if (slipped != password) {
        const auto repairs = suggestRepairs(slipped);
        require(!repairs.empty(), "one slip from a valid password gives a correction");
        checkCorrections(slipped, repairs);
    }
    return 0;
}
