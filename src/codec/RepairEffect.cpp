#include "RepairEffect.h"

#include "Decoder.h"

#include <algorithm>

namespace quandrel {

std::vector<FieldChange> repairEffect(std::string_view typed, const Repair& repair)
{
    const DecodedState repaired = decodeSlotText(repair.password);
    try {
        return changedFields(decodeSlotText(typed), repaired);
    } catch (const InvalidSymbol&) {
        // Nothing to compare with: name what the corrected characters hold instead.
    }
    std::vector<std::string> names;
    for (const Substitution& substitution : repair.changes) {
        const auto& ofCharacter = fieldsOfCharacter(substitution.position);
        names.insert(names.end(), ofCharacter.begin(), ofCharacter.end());
    }
    // In password order, each field once.
    std::vector<FieldChange> carried;
    for (const FieldValue& field : fieldValues(repaired)) {
        if (std::find(names.begin(), names.end(), field.name) != names.end()) {
            carried.push_back({field.name, {}, field.value});
        }
    }
    return carried;
}

} // namespace quandrel
