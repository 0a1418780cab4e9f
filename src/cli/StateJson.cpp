#include "StateJson.h"

#include "codec/FlagBits.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cstring>
#include <set>
#include <vector>

namespace quandrel {

namespace {

using nlohmann::json;

constexpr std::array<const char*, kCounterCount> kCounterKeys = kCounterNames;
constexpr std::array<std::string_view, 2> kWorldKeys = {"state", "flags"};
constexpr std::array<std::string_view, 9> kStateKeys = {"arrows", "coins",   "keys",   "vitality", "experience",
                                                        "worlds", "objects", "shield", "warrior"};

[[noreturn]] void fail(const std::string& where, const std::string& what)
{
    throw StateFormatError(where + ": " + what);
}

// A text from the input as JSON writes it, so that control characters show escaped.
std::string asJsonText(const std::string& text) { return json(text).dump(); }

// Refuses a key given twice in one object, which the parser would let the last one win.
class DuplicateKeyCheck final {
public:
    bool operator()(int /*depth*/, json::parse_event_t event, json& parsed)
    {
        switch (event) {
        case json::parse_event_t::object_start:
        case json::parse_event_t::array_start:
            countElement();
            m_frames.push_back({event == json::parse_event_t::object_start, {}, {}, -1});
            break;
        case json::parse_event_t::object_end:
        case json::parse_event_t::array_end:
            m_frames.pop_back();
            break;
        case json::parse_event_t::key: {
            auto& frame = m_frames.back();
            frame.lastKey = parsed.get<std::string>();
            if (!frame.keys.insert(frame.lastKey).second) {
                fail(pathOfInnermost(), "duplicate key " + asJsonText(frame.lastKey));
            }
            break;
        }
        case json::parse_event_t::value:
            countElement();
            break;
        }
        return true;
    }

private:
    struct Frame {
        bool object;
        std::set<std::string> keys;
        std::string lastKey;
        long index; // of the array's current element
    };

    void countElement()
    {
        if (!m_frames.empty() && !m_frames.back().object) {
            ++m_frames.back().index;
        }
    }

    // The innermost object as the error messages name places: worlds[2].flags.
    std::string pathOfInnermost() const
    {
        std::string path;
        for (std::size_t i = 0; i + 1 < m_frames.size(); ++i) {
            const auto& frame = m_frames[i];
            if (frame.object) {
                path += (path.empty() ? "" : ".") + frame.lastKey;
            } else {
                path += "[" + std::to_string(frame.index) + "]";
            }
        }
        return path.empty() ? "state" : path;
    }

    std::vector<Frame> m_frames;
};

// The library's message without its "[json.exception...] parse error at line 1, column 2: "
// prefix, which says what our own message already says.
std::string parseProblem(const std::string& message)
{
    const auto tag = message.find("] ");
    std::string problem = tag == std::string::npos ? message : message.substr(tag + 2);
    if (const auto place = problem.find(", column "); place != std::string::npos) {
        if (const auto colon = problem.find(": ", place); colon != std::string::npos) {
            problem = problem.substr(colon + 2);
        }
    }
    if (const auto dash = problem.find(" - "); dash != std::string::npos) {
        problem = problem.substr(dash + 3);
    }
    return "not valid JSON: " + problem;
}

[[noreturn]] void failParse(const json::parse_error& error, std::string_view text)
{
    // The byte counts from 1 and may point one past the end, at a missing close.
    const auto at = std::min<std::size_t>(error.byte == 0 ? 0 : error.byte - 1, text.size());
    const auto before = text.substr(0, at);
    const auto lineStart = before.rfind('\n');
    const int line = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    const int column = 1 + static_cast<int>(lineStart == std::string_view::npos ? at : at - lineStart - 1);
    throw StateFormatError(parseProblem(error.what()), line, column);
}

template <typename Keys> void requireKnownKeys(const json& object, const std::string& where, const Keys& keys)
{
    for (const auto& [key, value] : object.items()) {
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
            fail(where, "unknown key " + asJsonText(key));
        }
    }
}

// Null for a missing key, so that leaving a key out and writing null mean the same.
const json* member(const json& object, const char* key)
{
    const auto found = object.find(key);
    return found == object.end() || found->is_null() ? nullptr : &*found;
}

int readInteger(const json& value, const std::string& where, int low, int high)
{
    if (!value.is_number_integer()) {
        fail(where, "expected a whole number from " + std::to_string(low) + " to " + std::to_string(high));
    }
    // An unsigned number above the signed range would read as negative: refuse it as written.
    const bool inRange =
        value.is_number_unsigned()
            ? value.get<unsigned long long>() <= static_cast<unsigned long long>(high) && value.get<long long>() >= low
            : value.get<long long>() >= low && value.get<long long>() <= high;
    if (!inRange) {
        fail(where, value.dump() + " is outside " + std::to_string(low) + " to " + std::to_string(high));
    }
    return value.get<int>();
}

std::string readCounter(const json& value, const std::string& where)
{
    if (value.is_number()) {
        const int count = readInteger(value, where, 0, 999);
        const std::string digits = std::to_string(count);
        return std::string(kCounterLength - digits.size(), '0') + digits;
    }
    if (!value.is_string()) {
        fail(where, "expected a number from 0 to 999 or three decimal digits, such as \"042\"");
    }
    const auto text = value.get<std::string>();
    const bool digits = text.size() == kCounterLength &&
                        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) {
        fail(where, asJsonText(text) + " is not three decimal digits");
    }
    return text;
}

const json& readArray(const json& value, const std::string& where, std::size_t size)
{
    if (!value.is_array() || value.size() != size) {
        fail(where, "expected an array of " + std::to_string(size) + " elements");
    }
    return value;
}

void readPair(const json& value, const char* key, GameState& state, std::size_t first)
{
    const auto& pair = readArray(value, key, 2);
    for (std::size_t i = 0; i < 2; ++i) {
        state.values[first + 2 * i] =
            readInteger(pair[i], std::string(key) + "[" + std::to_string(i) + "]", 0, kMaxValue);
    }
}

World readWorld(const json& value, const std::string& where)
{
    if (!value.is_object()) {
        fail(where, "expected an object with \"state\" and \"flags\"");
    }
    requireKnownKeys(value, where, kWorldKeys);
    World world;
    if (const json* state = member(value, "state")) {
        const auto caption = state->is_string() ? worldStateFromCaption(state->get<std::string>()) : std::nullopt;
        if (!caption) {
            fail(where + ".state", "expected \"Closed\", \"Active\", \"Open\" or \"Boss Killed\"");
        }
        world.state = *caption;
    }
    if (const json* flags = member(value, "flags")) {
        readArray(*flags, where + ".flags", kFlagsPerWorld);
        for (std::size_t k = 0; k < world.flags.size(); ++k) {
            if (!(*flags)[k].is_boolean()) {
                fail(where + ".flags[" + std::to_string(k) + "]", "expected true or false");
            }
            world.flags[k] = (*flags)[k].get<bool>();
        }
    }
    return world;
}

void readObjects(const json& value, GameState& state)
{
    if (!value.is_array()) {
        fail("objects", "expected an array of object indexes 0 to 36");
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto index =
            static_cast<std::size_t>(readInteger(value[i], "objects[" + std::to_string(i) + "]", 0, kObjectCount - 1));
        if (state.objects[index]) {
            fail("objects[" + std::to_string(i) + "]", "object " + std::to_string(index) + " is listed twice");
        }
        state.objects[index] = true;
    }
}

Shield readShield(const json& value)
{
    const auto shield = value.is_string() ? shieldFromName(value.get<std::string>()) : std::nullopt;
    if (!shield) {
        fail("shield", "expected \"none\", \"1\", \"2\" or \"3\"");
    }
    return *shield;
}

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

private:
    static constexpr std::size_t kOptionCount = 5; // null, then each value of its enum

    DecodedJsonFragments()
    {
        for (std::size_t c = 0; c < kCounterKeys.size(); ++c) {
            m_counterOpenings[c] =
                JsonFragment<16>(std::string(c == 0 ? "{" : "\",") + '"' + kCounterKeys[c] + "\":\"");
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
    }

    std::array<JsonFragment<16>, kCounterCount> m_counterOpenings;
    std::array<std::array<JsonFragment<64>, 16>, kOptionCount> m_worlds;
    std::array<JsonFragment<16>, kOptionCount> m_shields;
    std::array<JsonFragment<4>, kObjectCount> m_objects;
};

} // namespace

StateFormatError::StateFormatError(const std::string& reason, int line, int column)
    : std::runtime_error(
          line == 0 ? reason : "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + reason),
      m_reason(reason), m_line(line), m_column(column)
{}

GameState gameStateFromJson(std::string_view text)
{
    json root;
    try {
        root = json::parse(text, DuplicateKeyCheck());
    } catch (const json::parse_error& error) {
        failParse(error, text);
    } catch (const json::exception& error) {
        // A number too large for any type (out_of_range).
        throw StateFormatError(parseProblem(error.what()));
    }
    if (!root.is_object()) {
        throw StateFormatError("expected a JSON object holding the game state");
    }
    requireKnownKeys(root, "state", kStateKeys);

    GameState state;
    for (std::size_t c = 0; c < kCounterKeys.size(); ++c) {
        if (const json* counter = member(root, kCounterKeys[c])) {
            state.counters[c] = readCounter(*counter, kCounterKeys[c]);
        }
    }
    if (const json* vitality = member(root, "vitality")) {
        readPair(*vitality, "vitality", state, 0);
    }
    if (const json* experience = member(root, "experience")) {
        readPair(*experience, "experience", state, 1);
    }
    if (const json* worlds = member(root, "worlds")) {
        readArray(*worlds, "worlds", kWorldCount);
        for (std::size_t w = 0; w < state.worlds.size(); ++w) {
            state.worlds[w] = readWorld((*worlds)[w], "worlds[" + std::to_string(w) + "]");
        }
    }
    if (const json* objects = member(root, "objects")) {
        readObjects(*objects, state);
    }
    if (const json* shield = member(root, "shield")) {
        state.shield = readShield(*shield);
    }
    if (const json* warrior = member(root, "warrior")) {
        state.warrior = readInteger(*warrior, "warrior", 0, kWarriorStateCount - 1);
    }
    return state;
}

std::string gameStateToJson(const GameState& state)
{
    std::string out;
    appendDecodedJson(out, decodedStateOf(state));
    return out;
}

void appendDecodedJson(std::string& out, const DecodedState& decoded)
{
    using namespace std::string_view_literals;
    const auto& fragments = DecodedJsonFragments::get();
    // Room for the longest line (every fixed piece, the longest world, number and shield
    // fragments, every object, and the counters as long as they are), and for the last
    // fragment's whole array.
    std::size_t room = 1024 + 64;
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
    json.put("\",\"vitality\":["sv);
    json.putInt(decoded.values[0]);
    json.put(',');
    json.putInt(decoded.values[2]);
    json.put("],\"experience\":["sv);
    json.putInt(decoded.values[1]);
    json.put(',');
    json.putInt(decoded.values[3]);
    json.put("],\"worlds\":["sv);
    for (std::size_t w = 0; w < decoded.flags.size(); ++w) {
        if (w != 0) {
            json.put(',');
        }
        json.put(fragments.world(decoded.worldStates[w], packFlags<kFlagsPerWorld>(decoded.flags[w].data())));
    }
    json.put("],\"objects\":"sv);
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
    json.put(",\"shield\":"sv);
    json.put(fragments.shield(decoded.shield));
    json.put(",\"warrior\":"sv);
    if (decoded.warrior) {
        json.putInt(*decoded.warrior);
    } else {
        json.put("null"sv);
    }
    json.put('}');
    out.resize(static_cast<std::size_t>(json.end() - out.data()));
}

} // namespace quandrel
