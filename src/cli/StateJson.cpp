#include "StateJson.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>

namespace quandrel {

namespace {

using nlohmann::json;

constexpr std::array<const char*, kCounterCount> kCounterKeys = {"arrows", "coins", "keys"};
constexpr std::array<std::string_view, 2> kWorldKeys = {"state", "flags"};
constexpr std::array<std::string_view, 9> kStateKeys = {"arrows", "coins",   "keys",   "vitality", "experience",
                                                        "worlds", "objects", "shield", "warrior"};

[[noreturn]] void fail(const std::string& where, const std::string& what)
{
    throw StateFormatError(where + ": " + what);
}

template <typename Keys> void requireKnownKeys(const json& object, const std::string& where, const Keys& keys)
{
    for (const auto& [key, value] : object.items()) {
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
            fail(where, "unknown key \"" + key + "\"");
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
    const auto number = value.get<long long>();
    if (number < low || number > high) {
        fail(where, std::to_string(number) + " is outside " + std::to_string(low) + " to " + std::to_string(high));
    }
    return static_cast<int>(number);
}

std::string readCounter(const json& value, const std::string& where)
{
    if (!value.is_string()) {
        fail(where, "expected three decimal digits as a string, such as \"042\"");
    }
    const auto text = value.get<std::string>();
    const bool digits =
        text.size() == 3 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) {
        fail(where, "\"" + text + "\" is not three decimal digits");
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
        state.values[first + 2 * i] = readInteger(pair[i], std::string(key) + "[" + std::to_string(i) + "]", 0, 31);
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

void appendBool(std::string& out, bool value) { out += value ? "true" : "false"; }

void appendInt(std::string& out, int value) { out += std::to_string(value); }

} // namespace

GameState gameStateFromJson(std::string_view text)
{
    json root;
    try {
        root = json::parse(text);
    } catch (const json::exception& error) {
        // Parse errors, and numbers too large for any type (out_of_range), alike.
        throw StateFormatError(std::string("invalid JSON: ") + error.what());
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
    out += '{';
    for (std::size_t c = 0; c < kCounterKeys.size(); ++c) {
        out += '"';
        out += kCounterKeys[c];
        out += "\":\"";
        out += decoded.counters[c];
        out += "\",";
    }
    out += "\"vitality\":[";
    appendInt(out, decoded.values[0]);
    out += ',';
    appendInt(out, decoded.values[2]);
    out += "],\"experience\":[";
    appendInt(out, decoded.values[1]);
    out += ',';
    appendInt(out, decoded.values[3]);
    out += "],\"worlds\":[";
    for (std::size_t w = 0; w < decoded.flags.size(); ++w) {
        out += w == 0 ? "{\"state\":" : ",{\"state\":";
        if (decoded.worldStates[w]) {
            out += '"';
            out += worldStateCaption(*decoded.worldStates[w]);
            out += '"';
        } else {
            out += "null";
        }
        out += ",\"flags\":[";
        for (std::size_t k = 0; k < decoded.flags[w].size(); ++k) {
            if (k != 0) {
                out += ',';
            }
            appendBool(out, decoded.flags[w][k]);
        }
        out += "]}";
    }
    out += "],\"objects\":[";
    bool first = true;
    for (std::size_t i = 0; i < decoded.objects.size(); ++i) {
        if (decoded.objects[i]) {
            if (!first) {
                out += ',';
            }
            appendInt(out, static_cast<int>(i));
            first = false;
        }
    }
    out += "],\"shield\":";
    if (decoded.shield) {
        out += '"';
        out += shieldName(*decoded.shield);
        out += '"';
    } else {
        out += "null";
    }
    out += ",\"warrior\":";
    if (decoded.warrior) {
        appendInt(out, *decoded.warrior);
    } else {
        out += "null";
    }
    out += '}';
}

} // namespace quandrel
