// Whatever bytes are typed or pasted, the entry dialog's judgement shows each character read
// once, in valid UTF-8, marks every place it names as a problem, and loads only a password of
// the right length.
#include "PropertyCheck.h"
#include "codec/Password.h"
#include "editor/PasswordJudgement.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace quandrel;
using fuzz::require;

// Well-formed UTF-8: shortest forms, no surrogates, nothing beyond U+10FFFF.
bool isUtf8(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80                    ? 1
                                   : lead >= 0xC2 && lead <= 0xDF ? 2
                                   : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                  : 0;
        if (length == 0 || at + length > text.size()) {
            return false;
        }
        char32_t point = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            point = (point << 6) | (next & 0x3Fu);
        }
        if ((length == 3 && point < 0x800) || (length == 4 && (point < 0x10000 || point > 0x10FFFF)) ||
            (point >= 0xD800 && point <= 0xDFFF)) {
            return false;
        }
        at += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    const PasswordJudgement judged(typed);

    std::size_t shown = 0;
    std::size_t invalid = 0;
    for (const PasswordJudgement::Group& group : judged.groups()) {
        require(!group.empty() && group.size() <= 4, "groups of at most four characters");
        for (const PasswordJudgement::ShownCharacter& c : group) {
            require(isUtf8(c.text) && !c.text.empty(), "each character shows as valid UTF-8");
            const bool surplus = shown >= static_cast<std::size_t>(kPasswordLength);
            require((c.mark == PasswordJudgement::Mark::Surplus) == surplus,
                    "only characters past the end are surplus");
            invalid += c.mark == PasswordJudgement::Mark::Invalid ? 1 : 0;
            ++shown;
        }
    }
    require(shown == judged.password().size(), "one shown character for each character read");
    require(invalid == judged.problemPlaces().size(), "every problem place is marked, and only those");
    require(!judged.loadable() || judged.password().size() == static_cast<std::size_t>(kPasswordLength),
            "only a password of the right length loads");
    for (const std::string& line : judged.problems()) {
        require(isUtf8(line), "the sentences are valid UTF-8");
    }
    require(isUtf8(judged.verdict()) && isUtf8(judged.checksumNote()) && isUtf8(judged.lengthNote()),
            "the notes are valid UTF-8");
    for (const PasswordJudgement::Correction& correction : judged.corrections()) {
        require(isUtf8(correction.changes) && isUtf8(correction.effect), "the corrections read as valid UTF-8");
    }
    return 0;
}
