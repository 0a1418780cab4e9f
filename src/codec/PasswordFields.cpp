#include "PasswordFields.h"

#include "Alphabets.h"
#include "Password.h"
#include "Sections.h"

#include <algorithm>
#include <array>

namespace quandrel {

namespace {

constexpr const char* kUnchanged = "unchanged";
constexpr std::array<const char*, kCounterCount> kCounterNames = {"arrows", "coins", "keys"};
constexpr std::array<const char*, kValueCount> kValueNames = {"upper vitality", "upper experience", "lower vitality",
                                                              "lower experience"};
constexpr std::array<const char*, 4> kShieldNames = {"none", "1", "2", "3"};

std::string flagText(const std::array<bool, kFlagsPerWorld>& flags)
{
    std::string text;
    for (const bool flag : flags) {
        text += flag ? '1' : '0';
    }
    return text;
}

// The fields of each character, found by setting each of its bits alone in an all-zero body
// and seeing which decoded fields move: this follows the decoder's own places exactly.
std::array<std::vector<std::string>, kPasswordLength + 1> probeCharacterFields()
{
    std::array<std::vector<std::string>, kPasswordLength + 1> fields;
    std::string zero;
    for (int k = 1; k <= kBodyLength; ++k) {
        zero += symbolFor(0, positionInGroup(k));
    }
    const DecodedState base = decodeSlotText(zero);
    for (int k = 1; k < kBodyLength; ++k) {
        for (int bit = 0; bit < kBitsPerSymbol; ++bit) {
            std::string text = zero;
            text[static_cast<std::size_t>(k - 1)] = symbolFor(1 << bit, positionInGroup(k));
            for (const auto& change : changedFields(base, decodeSlotText(text))) {
                auto& names = fields[static_cast<std::size_t>(k)];
                if (std::find(names.begin(), names.end(), change.name) == names.end()) {
                    names.push_back(change.name);
                }
            }
        }
    }
    fields[kBodyLength] = {"warrior"};
    fields[kBodyLength + 1] = fields[kBodyLength + 2] = {"checksum"};
    return fields;
}

} // namespace

std::vector<FieldValue> fieldValues(const DecodedState& decoded)
{
    std::vector<FieldValue> values;
    for (std::size_t c = 0; c < kCounterNames.size(); ++c) {
        values.push_back({kCounterNames[c], decoded.counters[c]});
    }
    for (const std::size_t k : {3, 2, 1, 0}) {
        values.push_back({kValueNames[k], std::to_string(decoded.values[k])});
    }
    for (std::size_t w = 0; w < decoded.flags.size(); ++w) {
        const std::string world = "world " + std::to_string(w + 1);
        values.push_back({world + " flags", flagText(decoded.flags[w])});
        values.push_back({world + " state", decoded.worldStates[w]
                                                ? std::string(worldStateCaption(*decoded.worldStates[w]))
                                                : kUnchanged});
    }
    for (std::size_t i = 0; i < decoded.objects.size(); ++i) {
        values.push_back({"object " + std::to_string(i), decoded.objects[i] ? "carried" : "not carried"});
    }
    values.push_back({"shield", decoded.shield ? kShieldNames[static_cast<std::size_t>(*decoded.shield)] : kUnchanged});
    values.push_back({"warrior", decoded.warrior ? std::to_string(*decoded.warrior) : kUnchanged});
    return values;
}

const std::vector<std::string>& fieldsOfCharacter(int k)
{
    static const auto fields = probeCharacterFields();
    return fields.at(static_cast<std::size_t>(k));
}

std::vector<FieldChange> changedFields(const DecodedState& a, const DecodedState& b)
{
    const auto before = fieldValues(a);
    const auto after = fieldValues(b);
    std::vector<FieldChange> changes;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].value != after[i].value) {
            changes.push_back({before[i].name, before[i].value, after[i].value});
        }
    }
    return changes;
}

} // namespace quandrel
