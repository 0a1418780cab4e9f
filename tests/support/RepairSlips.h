#pragma once

#include "codec/Decoder.h"
#include "codec/Password.h"
#include "codec/PasswordCheck.h"
#include "codec/Repair.h"
#include "support/RandomState.h"

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace quandrel::test {

// The kinds of typing slip whose corrections are measured.
enum class SlipKind { AnySymbol, LookAlike, ChecksumDigit, Dropped, Extra };

inline constexpr std::array<SlipKind, 5> kSlipKinds = {SlipKind::AnySymbol, SlipKind::LookAlike,
                                                       SlipKind::ChecksumDigit, SlipKind::Dropped, SlipKind::Extra};

inline std::string_view slipKindName(SlipKind kind)
{
    switch (kind) {
    case SlipKind::AnySymbol:
        return "any symbol";
    case SlipKind::LookAlike:
        return "look-alike";
    case SlipKind::ChecksumDigit:
        return "checksum digit";
    case SlipKind::Dropped:
        return "dropped";
    case SlipKind::Extra:
        return "extra";
    }
    return "";
}

// A password the editor writes and the text typed for it with one slip.
struct Slip {
    std::string password;
    std::string typed;
};

// One slip of the given kind in the password of a random state:
// - any symbol: one of the 45 places, a symbol valid there other than the one written;
// - look-alike: a place whose character has a look-alike valid there, and that look-alike;
// - checksum digit: one of the two checksum digits, another hex digit;
// - dropped: one character left out;
// - extra: any letter or digit typed before any character, or after the last.
inline Slip randomSlip(std::mt19937& rng, SlipKind kind)
{
    const auto below = [&rng](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    const auto otherAt = [&](const std::string& password, int k) {
        const std::string_view accepted = acceptedAt(k);
        char c = password[static_cast<std::size_t>(k - 1)];
        while (c == password[static_cast<std::size_t>(k - 1)]) {
            c = accepted[below(accepted.size())];
        }
        return c;
    };
    Slip slip;
    slip.password = encodePassword(randomState(rng));
    std::string& typed = slip.typed = slip.password;
    switch (kind) {
    case SlipKind::AnySymbol: {
        const int k = 1 + static_cast<int>(below(kPasswordLength));
        typed[static_cast<std::size_t>(k - 1)] = otherAt(typed, k);
        break;
    }
    case SlipKind::LookAlike:
        for (;;) {
            const int k = 1 + static_cast<int>(below(kPasswordLength));
            std::string options;
            for (const char c : acceptedAt(k)) {
                if (looksAlike(typed[static_cast<std::size_t>(k - 1)], c)) {
                    options += c;
                }
            }
            if (!options.empty()) {
                typed[static_cast<std::size_t>(k - 1)] = options[below(options.size())];
                break;
            }
        }
        break;
    case SlipKind::ChecksumDigit: {
        const int k = kPasswordLength - 1 + static_cast<int>(below(2));
        typed[static_cast<std::size_t>(k - 1)] = otherAt(typed, k);
        break;
    }
    case SlipKind::Dropped:
        typed.erase(below(typed.size()), 1);
        break;
    case SlipKind::Extra: {
        const std::size_t at = below(typed.size() + 1);
        typed.insert(at, 1, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[below(36)]);
        break;
    }
    }
    return slip;
}

// Where the password stands among the corrections offered for its slip: 0 for first, the
// number of corrections when it is not among them.
inline std::size_t rankOfTruePassword(const Slip& slip, const std::vector<Repair>& repairs)
{
    std::size_t rank = 0;
    while (rank < repairs.size() && repairs[rank].password != slip.password) {
        ++rank;
    }
    return rank;
}

// Whether the encoder writes the text for some state: every true password is such a text.
inline bool isWrittenPassword(const std::string& text)
{
    return checkPassword(text).valid() && encodePassword(applyDecoded(decodeSlotText(text), GameState{})) == text;
}

// The most that any ranking can place at or above each rank (1 to `ranks`) for one text typed
// with an any-symbol slip, as a share of 1: every password one character away that the encoder
// writes is a text the slip may have come from, and each is as likely as its place makes it
// (a slip picks one of the 31 other symbols at a body place, one of 15 other digits in the
// checksum; every state the editor writes is as likely as another).
inline std::vector<double> bestPossibleShares(const std::string& typed, std::size_t ranks)
{
    std::vector<double> odds;
    std::string candidate = typed;
    for (int k = 1; k <= static_cast<int>(typed.size()); ++k) {
        const auto at = static_cast<std::size_t>(k - 1);
        for (const char c : acceptedAt(k)) {
            if (c != typed[at]) {
                candidate[at] = c;
                if (isWrittenPassword(candidate)) {
                    odds.push_back(k <= kBodyLength ? 1.0 / 31 : 1.0 / 15);
                }
            }
        }
        candidate[at] = typed[at];
    }
    std::sort(odds.begin(), odds.end(), std::greater<>());
    const double total = std::accumulate(odds.begin(), odds.end(), 0.0);
    std::vector<double> shares(ranks, 1.0);
    double atOrAbove = 0;
    for (std::size_t r = 0; r < ranks && r < odds.size(); ++r) {
        atOrAbove += odds[r];
        shares[r] = atOrAbove / total;
    }
    return shares;
}

} // namespace quandrel::test
