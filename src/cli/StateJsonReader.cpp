#include "StateJson.h"

#include "StateJsonDiagnosis.h"
#include "StateJsonKeys.h"

#include <simdjson.h>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace quandrel {

namespace {

using simdjson::dom::element;

// A state read from a parse made for speed. Anything but a well-formed state is turned down
// without a reason (nullopt); the diagnosis then names the problem. So this reader may refuse
// more than the diagnosis does, never less, and reads what it takes the same way.
class FastStateReader final {
public:
    std::optional<GameState> read(std::string_view text)
    {
        element root;
        if (m_parser.parse(text.data(), text.size()).get(root) != simdjson::SUCCESS) {
            return std::nullopt;
        }
        GameState state;
        return readState(root, state) ? std::optional(state) : std::nullopt;
    }

private:
    // Index of `key` in `keys`, or keys.size(); marks it seen, and a key seen before is none.
    template <typename Keys> static std::size_t newKey(const Keys& keys, std::string_view key, std::uint32_t& seen)
    {
        const auto found = static_cast<std::size_t>(std::find(keys.begin(), keys.end(), key) - keys.begin());
        if (found == keys.size() || (seen & (1U << found)) != 0) {
            return keys.size();
        }
        seen |= 1U << found;
        return found;
    }

    static bool readInteger(element value, int low, int high, int& out)
    {
        std::int64_t number = 0;
        if (!value.is_int64() || value.get_int64().get(number) != simdjson::SUCCESS || number < low || number > high) {
            return false;
        }
        out = static_cast<int>(number);
        return true;
    }

    static bool readCounter(element value, std::string& out)
    {
        if (int count = 0; readInteger(value, 0, 999, count)) {
            out = {static_cast<char>('0' + count / 100), static_cast<char>('0' + count / 10 % 10),
                   static_cast<char>('0' + count % 10)};
            return true;
        }
        std::string_view text;
        if (value.get_string().get(text) != simdjson::SUCCESS || text.size() != 3 ||
            !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            return false;
        }
        out = text;
        return true;
    }

    // An array of exactly `size` elements, each read by `readElement(element, index)`.
    template <typename ReadElement> static bool readArray(element value, std::size_t size, ReadElement readElement)
    {
        simdjson::dom::array array;
        if (value.get_array().get(array) != simdjson::SUCCESS || array.size() != size) {
            return false;
        }
        std::size_t i = 0;
        for (const element item : array) {
            if (!readElement(item, i++)) {
                return false;
            }
        }
        return true;
    }

    static bool readPair(element value, GameState& state, std::size_t first)
    {
        return readArray(value, 2, [&](element item, std::size_t i) {
            return readInteger(item, 0, 31, state.values[first + 2 * i]);
        });
    }

    static bool readWorld(element value, World& world)
    {
        simdjson::dom::object object;
        if (value.get_object().get(object) != simdjson::SUCCESS) {
            return false;
        }
        std::uint32_t seen = 0;
        for (const auto field : object) {
            const std::size_t key = newKey(kWorldKeys, field.key, seen);
            if (key == kWorldKeys.size()) {
                return false;
            }
            if (field.value.is_null()) {
                continue;
            }
            if (key == 0) {
                std::string_view caption;
                if (field.value.get_string().get(caption) != simdjson::SUCCESS) {
                    return false;
                }
                const auto state = worldStateFromCaption(caption);
                if (!state) {
                    return false;
                }
                world.state = *state;
            } else {
                const bool read = readArray(field.value, kFlagsPerWorld, [&](element flag, std::size_t k) {
                    bool set = false;
                    if (flag.get_bool().get(set) != simdjson::SUCCESS) {
                        return false;
                    }
                    world.flags[k] = set;
                    return true;
                });
                if (!read) {
                    return false;
                }
            }
        }
        return true;
    }

    static bool readObjects(element value, GameState& state)
    {
        simdjson::dom::array array;
        if (value.get_array().get(array) != simdjson::SUCCESS) {
            return false;
        }
        for (const element item : array) {
            int index = 0;
            if (!readInteger(item, 0, kObjectCount - 1, index) || state.objects[static_cast<std::size_t>(index)]) {
                return false;
            }
            state.objects[static_cast<std::size_t>(index)] = true;
        }
        return true;
    }

    static bool readField(std::size_t key, element value, GameState& state)
    {
        switch (key) {
        case 0:
        case 1:
        case 2:
            return readCounter(value, state.counters[key]);
        case 3:
            return readPair(value, state, 0);
        case 4:
            return readPair(value, state, 1);
        case 5:
            return readArray(value, kWorldCount,
                             [&](element world, std::size_t w) { return readWorld(world, state.worlds[w]); });
        case 6:
            return readObjects(value, state);
        case 7: {
            std::string_view name;
            const auto shield = value.get_string().get(name) == simdjson::SUCCESS ? shieldFromName(name) : std::nullopt;
            state.shield = shield.value_or(state.shield);
            return shield.has_value();
        }
        default:
            return readInteger(value, 0, kWarriorStateCount - 1, state.warrior);
        }
    }

    static bool readState(element root, GameState& state)
    {
        simdjson::dom::object object;
        if (root.get_object().get(object) != simdjson::SUCCESS) {
            return false;
        }
        std::uint32_t seen = 0;
        for (const auto field : object) {
            const std::size_t key = newKey(kStateKeys, field.key, seen);
            if (key == kStateKeys.size() || (!field.value.is_null() && !readField(key, field.value, state))) {
                return false;
            }
        }
        return true;
    }

    simdjson::dom::parser m_parser;
};

} // namespace

StateFormatError::StateFormatError(const std::string& reason, int line, int column)
    : std::runtime_error(
          line == 0 ? reason : "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + reason),
      m_reason(reason), m_line(line), m_column(column)
{}

GameState gameStateFromJson(std::string_view text)
{
    thread_local FastStateReader reader;
    if (auto state = reader.read(text)) {
        return *std::move(state);
    }
    return diagnoseStateJson(text);
}

} // namespace quandrel
