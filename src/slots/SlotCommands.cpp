#include "SlotCommands.h"

#include "SlotError.h"
#include "codec/Decoder.h"
#include "codec/Password.h"
#include "editor/EditorModel.h"

namespace quandrel {

SlotCommands::SlotCommands(EditorModel& model, SlotStore store) : m_model(model), m_store(std::move(store)) {}

void SlotCommands::Command2_Click(int index) { m_store.save(index + 1, m_model.controls().password); }

void SlotCommands::Command3_Click(int index)
{
    const int slot = index + 1;
    m_store.createMissing(initialPassword());
    m_model.clearSelectAllBorder();
    const std::string text = m_store.readField(slot);
    DecodedState decoded;
    try {
        decoded = decodeSlotText(text);
    } catch (const InvalidSymbol& error) {
        throw SlotError(slot, m_store.describe(slot), "holds no valid password", error.what());
    }
    m_model.applyDecoded(decoded);
}

} // namespace quandrel
