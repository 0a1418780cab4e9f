#include "PasswordFields.h"

#include "Alphabets.h"
#include "Password.h"
#include "Sections.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>

namespace quandrel {

namespace {

constexpr const char* kUnchanged = "unchanged";
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

// Each field of two decoded states side by side, in password order: the one list of the fields, for
// their texts and for telling which of them differ.
template <typename Visit> void forEachField(const DecodedState& a, const DecodedState& b, Visit&& visit)
{
    for (int c = 0; c < kCounterCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        visit(FieldId{FieldKind::Counter, c}, a.counters[i], b.counters[i]);
    }
    for (const int k : {3, 2, 1, 0}) {
        const auto i = static_cast<std::size_t>(k);
        visit(FieldId{FieldKind::Value, k}, a.values[i], b.values[i]);
    }
    for (int w = 0; w < kWorldCount; ++w) {
        const auto i = static_cast<std::size_t>(w);
        visit(FieldId{FieldKind::WorldFlags, w}, a.flags[i], b.flags[i]);
        visit(FieldId{FieldKind::WorldState, w}, a.worldStates[i], b.worldStates[i]);
    }
    for (int o = 0; o < kObjectCount; ++o) {
        const auto i = static_cast<std::size_t>(o);
        visit(FieldId{FieldKind::Object, o}, a.objects[i], b.objects[i]);
    }
    visit(FieldId{FieldKind::Shield}, a.shield, b.shield);
    visit(FieldId{FieldKind::Warrior}, a.warrior, b.warrior);
}

std::string valueText(const std::string& counter) { return counter; }
std::string valueText(int value) { return std::to_string(value); }
std::string valueText(const std::array<bool, kFlagsPerWorld>& flags) { return flagText(flags); }
std::string valueText(const std::optional<WorldState>& state)
{
    return state ? std::string(worldStateCaption(*state)) : kUnchanged;
}
std::string valueText(bool carried) { return carried ? "carried" : "not carried"; }
std::string valueText(const std::optional<Shield>& shield)
{
    return shield ? std::string(shieldName(*shield)) : kUnchanged;
}
std::string valueText(const std::optional<int>& warrior) { return warrior ? std::to_string(*warrior) : kUnchanged; }

// The fields of each character, found by setting each of its bits alone in an all-zero body and
// seeing which decoded fields move: this follows the decoder's own places exactly. The decoded
// values are compared as they are, without their texts, as it runs 210 decodes.
std::array<std::vector<FieldId>, kPasswordLength + 1> probeCharacterFields()
{
    std::array<std::vector<FieldId>, kPasswordLength + 1> fields;
    std::string zero;
    for (int k = 1; k <= kBodyLength; ++k) {
        zero += symbolFor(0, positionInGroup(k));
    }
    const DecodedState base = decodeSlotText(zero);
    for (int k = 1; k < kBodyLength; ++k) {
        auto& ids = fields[static_cast<std::size_t>(k)];
        for (int bit = 0; bit < kBitsPerSymbol; ++bit) {
            std::string text = zero;
            text[static_cast<std::size_t>(k - 1)] = symbolFor(1 << bit, positionInGroup(k));
            forEachField(base, decodeSlotText(text), [&ids](FieldId id, const auto& before, const auto& after) {
                if (before != after && std::find(ids.begin(), ids.end(), id) == ids.end()) {
                    ids.push_back(id);
                }
            });
        }
    }
    fields[kBodyLength] = {{FieldKind::Warrior}};
    fields[kBodyLength + 1] = fields[kBodyLength + 2] = {{FieldKind::Checksum}};
    return fields;
}

} // namespace

std::vector<FieldValue> passwordFields(std::string_view password)
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
    forEachField(decoded, decoded, [&values](FieldId id, const auto& value, const auto&) {
        values.push_back({id, fieldName(id), valueText(value)});
    });
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
    return fieldsCarriedBy(passwordFields(password), characters);
}

std::vector<CarriedField> fieldsCarriedBy(const std::vector<FieldValue>& fields, const std::vector<int>& characters)
{
    std::vector<CarriedField> carried;
    for (const FieldValue& value : fields) {
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
