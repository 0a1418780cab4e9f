#pragma once

#include "slotfile/SlotFacts.h"

#include <array>
#include <string>
#include <vector>

namespace quandrel {

// A load first creates every missing slot, holding a new game, so that a slot never saved loads
// a new game. Only the chosen slot must be there afterwards: another that cannot be created
// stays missing without a word.
struct SlotCreation {
    int slot;
    bool mustSucceed;
};

struct SlotCreationPlan {
    std::string bytes; // what each created slot holds: a new game's slot file
    std::vector<SlotCreation> slots;
};

// The slots to create before loading `chosen`; `present[n]` says whether slot n + 1 holds a file.
SlotCreationPlan slotCreationPlan(int chosen, const std::array<bool, kSlotCount>& present);

} // namespace quandrel
