#pragma once

#include <string>
#include <string_view>

namespace quandrel {

class EditorModel;

// A slot's contents as both editions load them: the bytes of a slot file (at most
// kSlotReadLimit of them), `place` saying where the slot lives for messages.

// Why the contents would not load into `slot`, as the player reads it; "" when they would.
std::string slotTextProblem(int slot, std::string_view place, std::string_view contents);

// A "Loadgame" button's load, as one action. Throws SlotError, and then only the select-all
// border is cleared, as a load does before it reads.
void loadSlotText(EditorModel& model, int slot, std::string_view place, std::string_view contents);

} // namespace quandrel
