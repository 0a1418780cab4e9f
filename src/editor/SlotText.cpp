#include "SlotText.h"

#include "EditorModel.h"
#include "codec/Alphabets.h"
#include "slotfile/SlotError.h"
#include "slotfile/SlotField.h"

#include <optional>

namespace quandrel {

namespace {

// The slot's password, or why there is none, in words that name the character and its place.
// Which symbols a place takes is for the entry dialog, where the player types.
DecodedState decodeSlot(int slot, std::string_view place, std::string_view contents)
{
    const std::optional<std::string> field = firstSlotField(contents);
    if (!field) {
        throw SlotError(slot, std::string(place), kCouldNotLoad, kEmptySlot);
    }
    try {
        return decodeSlotText(*field);
    } catch (const InvalidSymbol& error) {
        throw SlotError(slot, std::string(place), kNoValidPassword,
                        "character " + std::to_string(error.position()) + " is " + quotedCharacter(error.character()) +
                            ", which no password has there");
    }
}

} // namespace

std::string slotTextProblem(int slot, std::string_view place, std::string_view contents)
{
    try {
        decodeSlot(slot, place, contents);
    } catch (const SlotError& error) {
        return error.what();
    }
    return {};
}

void loadSlotText(EditorModel& model, int slot, std::string_view place, std::string_view contents)
{
    DecodedState decoded;
    try {
        decoded = decodeSlot(slot, place, contents);
    } catch (const SlotError&) {
        model.clearSelectAllBorder();
        throw;
    }
    // Clearing the border and applying the slot make one action.
    model.loadDecoded(decoded, "Load slot " + std::to_string(slot));
}

} // namespace quandrel
