#pragma once

#include "slotstore/SlotStore.h"

namespace quandrel {

class EditorModel;

// The "Savegame" and "Loadgame" buttons: saving the shown password to a slot, and loading a
// slot into the editor. A failure throws SlotError and leaves the editor's state as it was,
// apart from the select-all border that a load clears first.
class SlotCommands final {
public:
    SlotCommands(EditorModel& model, SlotStore store);

    void Command2_Click(int index); // save slot index + 1
    void Command3_Click(int index); // load slot index + 1

    const SlotStore& store() const { return m_store; }

private:
    EditorModel& m_model;
    SlotStore m_store;
};

} // namespace quandrel
