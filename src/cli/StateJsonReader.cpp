#include "StateJson.h"

#include "QuotedNameTable.h"
#include "StateJsonDiagnosis.h"
#include "StateJsonSchema.h"

#include <simdjson.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace quandrel {

namespace {

namespace ondemand = simdjson::ondemand;

// The names a state's text may hold, each found in place in the parser's padded copy.
constexpr QuotedNameTable kStateKeyTable(kStateKeys);
constexpr QuotedNameTable kWorldKeyTable(kWorldKeys);
constexpr QuotedNameTable kWorldStateCaptionTable(kWorldStateCaptions);
constexpr QuotedNameTable kShieldNameTable(kShieldNames);

// Reads a state in one pass over the text, in the order it is written, with simdjson's
// on-demand parser. Anything but a well-formed state is turned down without a reason (false);
// the diagnosis then names the problem. So this reader may refuse more than the diagnosis
// does, never less, and reads what it takes the same way. Every value is read to its end, so
// that the parser checks the whole text; keys and names are taken only as written plainly
// (an escape in one is left to the diagnosis), and are compared where they stand.
class FastStateReader final {
public:
    bool read(std::string_view text, GameState& state)
    {
        // The parser reads ahead in blocks, past the end of the text.
        m_padded.resize(text.size() + simdjson::SIMDJSON_PADDING);
        std::copy(text.begin(), text.end(), m_padded.begin());
        return readPadded(std::string_view(m_padded.data(), text.size()), state);
    }

private:
    // `text` is followed by at least SIMDJSON_PADDING readable bytes, of any value.
    bool readPadded(std::string_view text, GameState& state)
    {
        ondemand::document document;
        ondemand::object object;
        if (m_parser.iterate(text.data(), text.size(), text.size() + simdjson::SIMDJSON_PADDING).get(document) !=
                simdjson::SUCCESS ||
            document.get_object().get(object) != simdjson::SUCCESS) {
            return false;
        }
        state = GameState{};
        // Nothing may follow the state: past the last token there is no location.
        return readState(object, state) && document.current_location().error() == simdjson::OUT_OF_BOUNDS;
    }

    // A key's index in `keys`, marked seen; N for one unknown or seen before.
    template <std::size_t N>
    static std::size_t newKey(ondemand::field& field, const QuotedNameTable<N>& keys, std::uint32_t& seen)
    {
        const std::size_t found = keys.find(field.key().raw());
        if (found == N || (seen & (1U << found)) != 0) {
            return N;
        }
        seen |= 1U << found;
        return found;
    }

    // Each member of `object` by `readMember(key index, value)`, but for a null, which leaves
    // its field as it is; false for a key unknown or seen before.
    template <std::size_t N, typename ReadMember>
    static bool readMembers(ondemand::object& object, const QuotedNameTable<N>& keys, ReadMember readMember)
    {
        std::uint32_t seen = 0;
        for (auto item : object) {
            ondemand::field field;
            if (std::move(item).get(field) != simdjson::SUCCESS) {
                return false;
            }
            const std::size_t key = newKey(field, keys, seen);
            if (key == N) {
                return false;
            }
            ondemand::value& value = field.value();
            if (!isNull(value) && !readMember(key, value)) {
                return false;
            }
        }
        return true;
    }

    // Null, which leaves a field as it is: true when `value` is null, and then read.
    static bool isNull(ondemand::value& value)
    {
        bool null = false;
        return value.is_null().get(null) == simdjson::SUCCESS && null;
    }

    static bool readInteger(ondemand::value value, int low, int high, int& out)
    {
        std::int64_t number = 0;
        if (value.get_int64().get(number) != simdjson::SUCCESS || number < low || number > high) {
            return false;
        }
        out = static_cast<int>(number);
        return true;
    }

    static bool readCounter(ondemand::value value, const StateKey& key, std::string& out)
    {
        static_assert(kCounterLength == 3);
        ondemand::json_type type{};
        if (value.type().get(type) != simdjson::SUCCESS) {
            return false;
        }
        if (type == ondemand::json_type::number) {
            int count = 0;
            if (!readInteger(value, key.least, key.most, count)) {
                return false;
            }
            out = {static_cast<char>('0' + count / 100), static_cast<char>('0' + count / 10 % 10),
                   static_cast<char>('0' + count % 10)};
            return true;
        }
        ondemand::raw_json_string raw;
        if (value.get_raw_json_string().get(raw) != simdjson::SUCCESS) {
            return false;
        }
        const char* digits = raw.raw();
        const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
        if (!isDigit(digits[0]) || !isDigit(digits[1]) || !isDigit(digits[2]) || digits[3] != '"') {
            return false;
        }
        out.assign(digits, kCounterLength);
        return true;
    }

    // An array of exactly `size` elements, each read by `readElement(value, index)`.
    template <typename ReadElement>
    static bool readArray(ondemand::value value, std::size_t size, ReadElement readElement)
    {
        ondemand::array array;
        if (value.get_array().get(array) != simdjson::SUCCESS) {
            return false;
        }
        std::size_t i = 0;
        for (auto item : array) {
            ondemand::value element;
            if (i == size || std::move(item).get(element) != simdjson::SUCCESS || !readElement(element, i++)) {
                return false;
            }
        }
        return i == size;
    }

    static bool readPair(ondemand::value value, const StateKey& key, GameState& state)
    {
        return readArray(value, 2, [&](ondemand::value item, std::size_t i) {
            return readInteger(item, key.least, key.most, state.values[key.slot + 2 * i]);
        });
    }

    // One of `names`, as a string, read as the value of the same index.
    template <typename Value, std::size_t N>
    static bool readName(ondemand::value value, const QuotedNameTable<N>& names, Value& out)
    {
        ondemand::raw_json_string raw;
        if (value.get_raw_json_string().get(raw) != simdjson::SUCCESS) {
            return false;
        }
        const std::size_t index = names.find(raw.raw());
        if (index == N) {
            return false;
        }
        out = static_cast<Value>(index);
        return true;
    }

    static bool readFlags(ondemand::value value, World& world)
    {
        return readArray(value, kFlagsPerWorld, [&](ondemand::value flag, std::size_t k) {
            bool set = false;
            if (flag.get_bool().get(set) != simdjson::SUCCESS) {
                return false;
            }
            world.flags[k] = set;
            return true;
        });
    }

    static bool readWorld(ondemand::value value, World& world)
    {
        ondemand::object object;
        if (value.get_object().get(object) != simdjson::SUCCESS) {
            return false;
        }
        return readMembers(object, kWorldKeyTable, [&](std::size_t key, ondemand::value member) {
            return key == 0 ? readName(member, kWorldStateCaptionTable, world.state) : readFlags(member, world);
        });
    }

    static bool readObjects(ondemand::value value, const StateKey& key, GameState& state)
    {
        ondemand::array array;
        if (value.get_array().get(array) != simdjson::SUCCESS) {
            return false;
        }
        for (auto item : array) {
            ondemand::value element;
            int index = 0;
            if (std::move(item).get(element) != simdjson::SUCCESS ||
                !readInteger(element, key.least, key.most, index) || state.objects[static_cast<std::size_t>(index)]) {
                return false;
            }
            state.objects[static_cast<std::size_t>(index)] = true;
        }
        return true;
    }

    static bool readField(const StateKey& key, ondemand::value value, GameState& state)
    {
        switch (key.kind) {
        case StateValueKind::Counter:
            return readCounter(value, key, state.counters[key.slot]);
        case StateValueKind::ValuePair:
            return readPair(value, key, state);
        case StateValueKind::Worlds:
            return readArray(value, static_cast<std::size_t>(key.most),
                             [&](ondemand::value world, std::size_t w) { return readWorld(world, state.worlds[w]); });
        case StateValueKind::Objects:
            return readObjects(value, key, state);
        case StateValueKind::Shield:
            return readName(value, kShieldNameTable, state.shield);
        case StateValueKind::Warrior:
            return readInteger(value, key.least, key.most, state.warrior);
        }
        return false;
    }

    static bool readState(ondemand::object& object, GameState& state)
    {
        return readMembers(object, kStateKeyTable, [&](std::size_t key, ondemand::value value) {
            return readField(kStateSchema[key], value, state);
        });
    }

    ondemand::parser m_parser;
    std::vector<char> m_padded; // the text, with room after it
};

FastStateReader& fastReader()
{
    thread_local FastStateReader reader;
    return reader;
}

} // namespace

StateFormatError::StateFormatError(const std::string& reason, int line, int column)
    : std::runtime_error(
          line == 0 ? reason : "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + reason),
      m_reason(reason), m_line(line), m_column(column)
{}

bool readPlainStateJson(std::string_view text, GameState& state) { return fastReader().read(text, state); }

GameState gameStateFromJson(std::string_view text)
{
    GameState state;
    if (readPlainStateJson(text, state)) {
        return state;
    }
    return diagnoseStateJson(text);
}

} // namespace quandrel
