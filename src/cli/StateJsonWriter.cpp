#include "StateJson.h"

#include "StateJsonSchema.h"
#include "codec/FlagBits.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cstring>

namespace quandrel {

namespace {

using namespace std::string_view_literals;

// The fixed pieces of a line, between the fields.
constexpr auto kVitalityOpening = "\",\"vitality\":["sv;
constexpr auto kExperienceOpening = "],\"experience\":["sv;
constexpr auto kWorldsOpening = "],\"worlds\":["sv;
constexpr auto kObjectsOpening = "],\"objects\":"sv;
constexpr auto kShieldOpening = ",\"shield\":"sv;
constexpr auto kWarriorOpening = ",\"warrior\":"sv;
constexpr auto kNull = "null"sv;

// A short piece of JSON in a fixed-size array, so that it copies without a call.
template <std::size_t Capacity> struct JsonFragment {
    std::array<char, Capacity> text{};
    std::size_t size = 0;

    JsonFragment() = default;
    explicit JsonFragment(std::string_view piece) : size(piece.size())
    {
        assert(piece.size() <= text.size());
        std::copy(piece.begin(), piece.end(), text.begin());
    }
};

// Writes a JSON line straight into room made for it beforehand, piece by piece, with no
// capacity checks and no temporaries.
class JsonCursor final {
public:
    explicit JsonCursor(char* at) : m_at(at) {}

    void put(std::string_view text)
    {
        std::memcpy(m_at, text.data(), text.size());
        m_at += text.size();
    }
    void put(char c) { *m_at++ = c; }
    // A fragment is copied whole, in one fixed-size move, and the cursor advances by its
    // length, or not at all when it is not `wanted`: a choice made without a branch.
    template <std::size_t Capacity> void put(const JsonFragment<Capacity>& fragment, bool wanted = true)
    {
        std::memcpy(m_at, fragment.text.data(), Capacity);
        m_at += fragment.size * static_cast<std::size_t>(wanted); // a product, so that no branch guesses
    }
    void putInt(int value) { m_at = std::to_chars(m_at, m_at + kIntRoom, value).ptr; }

    char* end() const { return m_at; }

    static constexpr std::size_t kIntRoom = 11; // "-2147483648"

private:
    char* m_at;
};

// The pieces of a state's JSON line that take few values, each written out once: a batch
// decode writes millions of lines, and copies them rather than building them again.
class DecodedJsonFragments final {
public:
    static const DecodedJsonFragments& get()
    {
        static const DecodedJsonFragments fragments;
        return fragments;
    }

    // A world's object, `{"state":...,"flags":[...]}`, by its state (null when it has none)
    // and its four flags, the first one highest.
    const JsonFragment<64>& world(std::optional<WorldState> state, std::uint32_t flags) const
    {
        return m_worlds[state ? 1 + static_cast<std::size_t>(*state) : 0][flags];
    }

    // What comes before counter c's digits: the line's opening, or the close of the one before.
    const JsonFragment<16>& counterOpening(std::size_t c) const { return m_counterOpenings[c]; }

    // ",n" for object n.
    const JsonFragment<4>& object(std::size_t n) const { return m_objects[n]; }

    const JsonFragment<16>& shield(std::optional<Shield> shield) const
    {
        return m_shields[shield ? 1 + static_cast<std::size_t>(*shield) : 0];
    }

    // The most a line can take besides its counters' digits, taken from the pieces themselves:
    // each field at its longest, every object carried, and room for the last fragment's whole
    // array, which is copied even where only its start is kept.
    std::size_t roomBesideCounters() const { return m_roomBesideCounters; }

private:
    static constexpr std::size_t kOptionCount = 5; // null, then each value of its enum

    DecodedJsonFragments()
    {
        for (std::size_t c = 0; c < static_cast<std::size_t>(kCounterCount); ++c) {
            m_counterOpenings[c] =
                JsonFragment<16>(std::string(c == 0 ? "{" : "\",") + '"' + std::string(kStateSchema[c].key) + "\":\"");
        }
        for (std::size_t option = 0; option < kOptionCount; ++option) {
            const std::string state =
                option == 0 ? "null" : '"' + std::string(worldStateCaption(static_cast<WorldState>(option - 1))) + '"';
            for (std::uint32_t flags = 0; flags < 16; ++flags) {
                std::string world = "{\"state\":" + state + ",\"flags\":[";
                for (int k = kFlagsPerWorld - 1; k >= 0; --k) {
                    world += ((flags >> k) & 1U) != 0 ? "true" : "false";
                    world += k == 0 ? "]}" : ",";
                }
                m_worlds[option][flags] = JsonFragment<64>(world);
            }
            m_shields[option] = JsonFragment<16>(
                option == 0 ? "null" : '"' + std::string(shieldName(static_cast<Shield>(option - 1))) + '"');
        }
        for (std::size_t n = 0; n < m_objects.size(); ++n) {
            m_objects[n] = JsonFragment<4>("," + std::to_string(n));
        }

        const auto longest = [](const auto& fragments) {
            return std::max_element(fragments.begin(), fragments.end(),
                                    [](const auto& a, const auto& b) { return a.size < b.size; })
                ->size;
        };
        std::size_t room = 0;
        for (const auto& opening : m_counterOpenings) {
            room += opening.size;
        }
        room += kVitalityOpening.size() + 2 * JsonCursor::kIntRoom + 1;
        room += kExperienceOpening.size() + 2 * JsonCursor::kIntRoom + 1;
        std::size_t longestWorld = 0;
        for (const auto& worlds : m_worlds) {
            longestWorld = std::max(longestWorld, longest(worlds));
        }
        room += kWorldsOpening.size() + kWorldCount * (longestWorld + 1);
        room += kObjectsOpening.size() + std::max<std::size_t>(2, kObjectCount * longest(m_objects) + 1);
        room += kShieldOpening.size() + longest(m_shields);
        room += kWarriorOpening.size() + std::max(JsonCursor::kIntRoom, kNull.size()) + 1;
        m_roomBesideCounters = room + sizeof(JsonFragment<64>::text);
    }

    std::array<JsonFragment<16>, kCounterCount> m_counterOpenings;
    std::array<std::array<JsonFragment<64>, 16>, kOptionCount> m_worlds;
    std::array<JsonFragment<16>, kOptionCount> m_shields;
    std::array<JsonFragment<4>, kObjectCount> m_objects;
    std::size_t m_roomBesideCounters = 0;
};

} // namespace

std::string gameStateToJson(const GameState& state)
{
    std::string out;
    appendDecodedJson(out, decodedStateOf(state));
    return out;
}

void appendDecodedJson(std::string& out, const DecodedState& decoded)
{
    const auto& fragments = DecodedJsonFragments::get();
    std::size_t room = fragments.roomBesideCounters();
    for (const auto& counter : decoded.counters) {
        room += counter.size();
    }
    const std::size_t start = out.size();
    out.resize(start + room);
    JsonCursor json(out.data() + start);

    for (std::size_t c = 0; c < decoded.counters.size(); ++c) {
        json.put(fragments.counterOpening(c));
        json.put(decoded.counters[c]);
    }
    json.put(kVitalityOpening);
    json.putInt(decoded.values[0]);
    json.put(',');
    json.putInt(decoded.values[2]);
    json.put(kExperienceOpening);
    json.putInt(decoded.values[1]);
    json.put(',');
    json.putInt(decoded.values[3]);
    json.put(kWorldsOpening);
    for (std::size_t w = 0; w < decoded.flags.size(); ++w) {
        if (w != 0) {
            json.put(',');
        }
        json.put(fragments.world(decoded.worldStates[w], packFlags<kFlagsPerWorld>(decoded.flags[w].data())));
    }
    json.put(kObjectsOpening);
    // Each carried object as ",n"; then the first comma becomes the list's opening bracket.
    char* const list = json.end();
    for (std::size_t i = 0; i < decoded.objects.size(); ++i) {
        json.put(fragments.object(i), decoded.objects[i]);
    }
    if (json.end() == list) {
        json.put("[]"sv);
    } else {
        *list = '[';
        json.put(']');
    }
    json.put(kShieldOpening);
    json.put(fragments.shield(decoded.shield));
    json.put(kWarriorOpening);
    if (decoded.warrior) {
        json.putInt(*decoded.warrior);
    } else {
        json.put(kNull);
    }
    json.put('}');
    assert(json.end() <= out.data() + start + room - sizeof(JsonFragment<64>::text));
    out.resize(static_cast<std::size_t>(json.end() - out.data()));
}

} // namespace quandrel
