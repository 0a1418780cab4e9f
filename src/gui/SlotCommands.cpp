#include "SlotCommands.h"

#include "codec/Password.h"
#include "editor/EditorModel.h"
#include "editor/SlotText.h"
#include "slotfile/SlotError.h"

namespace quandrel {

SlotCommands::SlotCommands(EditorModel& model, SlotStore store) : m_model(model), m_store(std::move(store)) {}

void SlotCommands::Command2_Click(int index) { m_store.save(index + 1, m_model.controls().password); }

void SlotCommands::Command3_Click(int index)
{
    const int slot = index + 1;
    m_store.createMissing(initialPassword(), slot);
    std::string contents;
    try {
        contents = m_store.readContents(slot);
    } catch (const SlotError&) {
        // A load clears the select-all border before it reads, so a failed read leaves it cleared.
        m_model.clearSelectAllBorder();
        throw;
    }
    loadSlotText(m_model, slot, m_store.describe(slot), contents);
}

} // namespace quandrel
