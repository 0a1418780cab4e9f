#include "ReferenceCodec.h"
#include "codec/Alphabets.h"
#include "codec/Decoder.h"
#include "codec/Password.h"
#include "support/RandomState.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace quandrel {
namespace {

TEST(ReferenceCodec, RandomStatesEncodeAndDecodeAsTheReferenceDoes)
{
    std::mt19937 rng(12);
    std::array<char, kPasswordLength> buffer{};
    for (int i = 0; i < 20000; ++i) {
        const GameState state = test::randomState(rng);
        const std::string expected = reference::encode(state);
        ASSERT_EQ(encodePassword(state), expected);
        writePassword(state, buffer);
        ASSERT_EQ(std::string(buffer.begin(), buffer.end()), expected);
        ASSERT_EQ(decodeSlotText(expected), reference::decode(expected)) << expected;
    }
}

// The outcome of decoding a text: its fields, or the place and character that stopped it.
using DecodeOutcome = std::pair<std::optional<DecodedState>, std::optional<std::pair<int, char>>>;

template <typename Decode> DecodeOutcome outcomeOf(Decode decode, std::string_view text)
{
    try {
        return {decode(text), std::nullopt};
    } catch (const InvalidSymbol& e) {
        return {std::nullopt, std::pair(e.position(), e.character())};
    }
}

// Any text, not only written passwords: codes no writer produces, short and long texts, and
// characters that are no symbol at their place.
TEST(ReferenceCodec, RandomTextsDecodeAsTheReferenceDoes)
{
    std::mt19937 rng(1212);
    for (int i = 0; i < 20000; ++i) {
        std::string text(rng() % 50, ' ');
        for (std::size_t k = 0; k < text.size(); ++k) {
            const bool slip = rng() % 200 == 0;
            text[k] = slip
                          ? static_cast<char>(rng() % 256)
                          : symbolFor(static_cast<int>(rng() % kSymbolCount), positionInGroup(static_cast<int>(k) + 1));
        }
        ASSERT_EQ(outcomeOf(decodeSlotText, text), outcomeOf(reference::decode, text)) << text;
    }
}

} // namespace
} // namespace quandrel
