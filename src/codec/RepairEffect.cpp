#include "RepairEffect.h"

#include "Decoder.h"

namespace quandrel {

namespace {

// Where a change lands in the corrected password, whose places shift after a character put
// back or taken out.
int placeInCorrection(const Repair& repair, const Substitution& change)
{
    int place = change.position;
    for (const Substitution& other : repair.changes) {
        if (other.edit == Edit::Insert && &other != &change && other.position <= change.position) {
            ++place;
        } else if (other.edit == Edit::Remove && other.position < change.position) {
            --place;
        }
    }
    return place;
}

} // namespace

std::vector<FieldChange> repairEffect(std::string_view typed, const Repair& repair)
{
    // A text of another length reads shifted from the change on: comparing says nothing.
    if (typed.size() == repair.password.size()) {
        try {
            return changedFields(decodeSlotText(typed), decodeSlotText(repair.password));
        } catch (const InvalidSymbol&) {
            // Nothing to compare with: name what the corrected characters hold instead.
        }
    }
    std::vector<int> corrected;
    for (const Substitution& change : repair.changes) {
        const int place = placeInCorrection(repair, change);
        if (place <= static_cast<int>(repair.password.size())) {
            corrected.push_back(place);
        }
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
