#include "SlotCreation.h"

#include "codec/Password.h"

namespace quandrel {

SlotCreationPlan slotCreationPlan(int chosen, const std::array<bool, kSlotCount>& present)
{
    SlotCreationPlan plan{slotFileBytes(initialPassword()), {}};
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (!present[static_cast<std::size_t>(slot - 1)]) {
            plan.slots.push_back({slot, slot == chosen});
        }
    }
    return plan;
}

} // namespace quandrel
