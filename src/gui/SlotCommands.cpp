#include "SlotCommands.h"

#include "codec/Decoder.h"
#include "codec/Password.h"
#include "editor/EditorModel.h"
#include "slots/SlotError.h"

#include <string>

namespace quandrel {

SlotCommands::SlotCommands(EditorModel& model, SlotStore store) : m_model(model), m_store(std::move(store)) {}

void SlotCommands::Command2_Click(int index) { m_store.save(index + 1, m_model.controls().password); }

void SlotCommands::Command3_Click(int index)
{
    const int slot = index + 1;
    m_store.createMissing(initialPassword(), slot);
    DecodedState decoded;
    try {
        try {
            decoded = decodeSlotText(m_store.readField(slot));
        } catch (const InvalidSymbol& error) {
            throw SlotError(slot, m_store.describe(slot), "holds no valid password", error.what());
        }
    } catch (const SlotError&) {
        // A load clears the select-all border before it reads, so a failed read leaves it cleared.
        m_model.clearSelectAllBorder();
        throw;
    }
    // Clearing the border and applying the slot make one action.
    m_model.loadDecoded(decoded, "Load slot " + std::to_string(slot));
}

} // namespace quandrel
