#include "PasswordFields.h"

#include "Alphabets.h"
#include "Password.h"
#include "Sections.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace quandrel {

namespace {

constexpr const char* kUnchanged = "unchanged";
constexpr std::array<const char*, kCounterCount> kCounterNames = {"arrows", "coins", "keys"};
constexpr std::array<const char*, kValueCount> kValueNames = {"upper vitality", "upper experience", "lower vitality",
                                                              "lower experience"};
constexpr std::size_t kChecksumLength = kPasswordLength - kBodyLength;

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
std::array<std::vector<FieldId>, kPasswordLength + 1> probeCharacterFields()
{
    std::array<std::vector<FieldId>, kPasswordLength + 1> fields;
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
                auto& ids = fields[static_cast<std::size_t>(k)];
                if (std::find(ids.begin(), ids.end(), change.field) == ids.end()) {
                    ids.push_back(change.field);
                }
            }
        }
    }
    fields[kBodyLength] = {{FieldKind::Warrior}};
    fields[kBodyLength + 1] = fields[kBodyLength + 2] = {{FieldKind::Checksum}};
    return fields;
}

// Each field once, in password order, with the checksum last.
std::vector<FieldValue> valuesWithChecksum(std::string_view password)
{
    std::vector<FieldValue> values;
    try {
        values = fieldValues(decodeSlotText(password));
    } catch (const InvalidSymbol&) {
        values = fieldValues(DecodedState{});
        for (FieldValue& value : values) {
            value.value.clear();
        }
    }
    const std::string checksum(password.size() >= static_cast<std::size_t>(kBodyLength)
                                   ? password.substr(kBodyLength, kChecksumLength)
                                   : std::string_view());
    values.push_back({{FieldKind::Checksum}, fieldName({FieldKind::Checksum}), checksum});
    return values;
}

} // namespace

std::string fieldName(FieldId field)
{
    const auto index = static_cast<std::size_t>(field.index);
    switch (field.kind) {
    case FieldKind::Counter:
        return kCounterNames.at(index);
    case FieldKind::Value:
        return kValueNames.at(index);
    case FieldKind::WorldFlags:
        return "world " + std::to_string(field.index + 1) + " flags";
    case FieldKind::WorldState:
        return "world " + std::to_string(field.index + 1) + " state";
    case FieldKind::Object:
        return "object " + std::to_string(field.index);
    case FieldKind::Shield:
        return "shield";
    case FieldKind::Warrior:
        return "warrior";
    case FieldKind::Checksum:
        return "checksum";
    }
    return {};
}

std::vector<FieldValue> fieldValues(const DecodedState& decoded)
{
    std::vector<FieldValue> values;
    const auto add = [&values](FieldKind kind, int index, std::string value) {
        values.push_back({{kind, index}, fieldName({kind, index}), std::move(value)});
    };
    for (int c = 0; c < kCounterCount; ++c) {
        add(FieldKind::Counter, c, decoded.counters[static_cast<std::size_t>(c)]);
    }
    for (const int k : {3, 2, 1, 0}) {
        add(FieldKind::Value, k, std::to_string(decoded.values[static_cast<std::size_t>(k)]));
    }
    for (int w = 0; w < kWorldCount; ++w) {
        const auto& state = decoded.worldStates[static_cast<std::size_t>(w)];
        add(FieldKind::WorldFlags, w, flagText(decoded.flags[static_cast<std::size_t>(w)]));
        add(FieldKind::WorldState, w, state ? std::string(worldStateCaption(*state)) : kUnchanged);
    }
    for (int i = 0; i < kObjectCount; ++i) {
        add(FieldKind::Object, i, decoded.objects[static_cast<std::size_t>(i)] ? "carried" : "not carried");
    }
    add(FieldKind::Shield, 0, decoded.shield ? std::string(shieldName(*decoded.shield)) : kUnchanged);
    add(FieldKind::Warrior, 0, decoded.warrior ? std::to_string(*decoded.warrior) : kUnchanged);
    return values;
}

const std::vector<FieldId>& fieldsOfCharacter(int k)
{
    static const auto fields = probeCharacterFields();
    static const std::vector<FieldId> none;
    return k >= 1 && k <= kPasswordLength ? fields[static_cast<std::size_t>(k)] : none;
}

std::vector<CarriedField> fieldsCarriedBy(std::string_view password, const std::vector<int>& characters)
{
    std::vector<CarriedField> carried;
    for (const FieldValue& value : valuesWithChecksum(password)) {
        std::vector<int> carriers;
        for (const int k : characters) {
            const auto& ids = fieldsOfCharacter(k);
            if (std::find(ids.begin(), ids.end(), value.field) != ids.end()) {
                carriers.push_back(k);
            }
        }
        if (!carriers.empty()) {
            carried.push_back({value.field, value.name, value.value, std::move(carriers)});
        }
    }
    return carried;
}

std::vector<int> characterRange(int first, int last)
{
    std::vector<int> characters(static_cast<std::size_t>(std::max(0, last - first + 1)));
    std::iota(characters.begin(), characters.end(), first);
    return characters;
}

std::vector<FieldChange> changedFields(const DecodedState& a, const DecodedState& b)
{
    const auto before = fieldValues(a);
    const auto after = fieldValues(b);
    std::vector<FieldChange> changes;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].value != after[i].value) {
            changes.push_back({before[i].field, before[i].name, before[i].value, after[i].value});
        }
    }
    return changes;
}

} // namespace quandrel
