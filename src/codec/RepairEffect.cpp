#include "RepairEffect.h"

#include "Decoder.h"

namespace quandrel {

std::vector<FieldChange> repairEffect(std::string_view typed, const Repair& repair)
{
    try {
        return changedFields(decodeSlotText(typed), decodeSlotText(repair.password));
    } catch (const InvalidSymbol&) {
        // Nothing to compare with: name what the corrected characters hold instead.
    }
    std::vector<int> corrected;
    for (const Substitution& substitution : repair.changes) {
        corrected.push_back(substitution.position);
    }
    std::vector<FieldChange> carried;
    for (const CarriedField& field : fieldsCarriedBy(repair.password, corrected)) {
        if (field.field.kind != FieldKind::Checksum) { // part of no game state
            carried.push_back({field.field, field.name, {}, field.value});
        }
    }
    return carried;
}

} // namespace quandrel
