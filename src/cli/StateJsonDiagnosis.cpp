#include "StateJsonDiagnosis.h"

#include "JsonNesting.h"
#include "StateJsonSchema.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

namespace quandrel {

namespace {

using nlohmann::json;

[[noreturn]] void fail(const std::string& where, const std::string& what)
{
    throw StateFormatError(where + ": " + what);
}

// A text from the input as JSON writes it, so that control characters show escaped.
std::string asJsonText(const std::string& text) { return json(text).dump(); }

// Thrown on an array or object nested deeper than a state's; its place is found afterwards.
struct TooDeep {};

// Refuses a key given twice in one object, which the parser would let the last one win, and
// stops at nesting deeper than a state's, before the parser builds it all.
class StructureCheck final {
public:
    bool operator()(int depth, json::parse_event_t event, json& parsed)
    {
        switch (event) {
        case json::parse_event_t::object_start:
        case json::parse_event_t::array_start:
            if (depth >= kMaxStateDepth) {
                throw TooDeep();
            }
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

// Refuses the text with the line and column of its byte `at`.
[[noreturn]] void failAt(std::string_view text, std::size_t at, const std::string& problem)
{
    const auto before = text.substr(0, at);
    const auto lineStart = before.rfind('\n');
    const int line = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    const int column = 1 + static_cast<int>(lineStart == std::string_view::npos ? at : at - lineStart - 1);
    throw StateFormatError(problem, line, column);
}

[[noreturn]] void failParse(const json::parse_error& error, std::string_view text)
{
    // The byte counts from 1 and may point one past the end, at a missing close.
    failAt(text, std::min<std::size_t>(error.byte == 0 ? 0 : error.byte - 1, text.size()), parseProblem(error.what()));
}

// The first bracket or brace that opens one level more than a state has, in a text that is
// valid JSON up to it.
std::size_t firstTooDeep(std::string_view text)
{
    JsonNesting nesting;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        depth += nesting.step(text[i]);
        if (depth > kMaxStateDepth) {
            return i;
        }
    }
    return text.size();
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
const json* member(const json& object, std::string_view key)
{
    const auto found = object.find(std::string(key));
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

std::string readCounter(const json& value, const StateKey& key)
{
    const std::string where(key.key);
    if (value.is_number()) {
        const int count = readInteger(value, where, key.least, key.most);
        const std::string digits = std::to_string(count);
        return std::string(kCounterLength - digits.size(), '0') + digits;
    }
    if (!value.is_string()) {
        fail(where, "expected a number from " + std::to_string(key.least) + " to " + std::to_string(key.most) +
                        " or three decimal digits, such as \"042\"");
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

void readPair(const json& value, const StateKey& key, GameState& state)
{
    const std::string where(key.key);
    const auto& pair = readArray(value, where, 2);
    for (std::size_t i = 0; i < 2; ++i) {
        state.values[key.slot + 2 * i] =
            readInteger(pair[i], where + "[" + std::to_string(i) + "]", key.least, key.most);
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

void readObjects(const json& value, const StateKey& key, GameState& state)
{
    const std::string where(key.key);
    if (!value.is_array()) {
        fail(where,
             "expected an array of object indexes " + std::to_string(key.least) + " to " + std::to_string(key.most));
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string element = where + "[" + std::to_string(i) + "]";
        const auto index = static_cast<std::size_t>(readInteger(value[i], element, key.least, key.most));
        if (state.objects[index]) {
            fail(element, "object " + std::to_string(index) + " is listed twice");
        }
        state.objects[index] = true;
    }
}

Shield readShield(const json& value, const StateKey& key)
{
    const auto shield = value.is_string() ? shieldFromName(value.get<std::string>()) : std::nullopt;
    if (!shield) {
        fail(std::string(key.key), "expected \"none\", \"1\", \"2\" or \"3\"");
    }
    return *shield;
}

// One member of the state, read as the schema says.
void readMember(const json& value, const StateKey& key, GameState& state)
{
    const std::string where(key.key);
    switch (key.kind) {
    case StateValueKind::Counter:
        state.counters[key.slot] = readCounter(value, key);
        break;
    case StateValueKind::ValuePair:
        readPair(value, key, state);
        break;
    case StateValueKind::Worlds:
        readArray(value, where, static_cast<std::size_t>(key.most));
        for (std::size_t w = 0; w < state.worlds.size(); ++w) {
            state.worlds[w] = readWorld(value[w], where + "[" + std::to_string(w) + "]");
        }
        break;
    case StateValueKind::Objects:
        readObjects(value, key, state);
        break;
    case StateValueKind::Shield:
        state.shield = readShield(value, key);
        break;
    case StateValueKind::Warrior:
        state.warrior = readInteger(value, where, key.least, key.most);
        break;
    }
}

} // namespace

GameState diagnoseStateJson(std::string_view text)
{
    // The parser would take a NUL byte for the end of the text and ignore the rest.
    if (const auto nul = text.find('\0'); nul != std::string_view::npos) {
        failAt(text, nul, "not valid JSON: a NUL byte");
    }
    json root;
    try {
        root = json::parse(text, StructureCheck());
    } catch (const TooDeep&) {
        failAt(text, firstTooDeep(text),
               "nested deeper than a game state (" + std::to_string(kMaxStateDepth) + " levels)");
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
    // Member by member in the schema's order, which decides which of two bad members is named.
    for (const StateKey& key : kStateSchema) {
        if (const json* value = member(root, key.key)) {
            readMember(*value, key, state);
        }
    }
    return state;
}

} // namespace quandrel
