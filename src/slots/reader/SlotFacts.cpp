#include "SlotFacts.h"

namespace quandrel {

std::string slotFileName(int slot) { return "sgame0" + std::to_string(slot) + ".txt"; }

std::string slotFileBytes(std::string_view password) { return std::string(password) + "\r\n"; }

std::string slotMessage(int slot, std::string_view place, std::string_view what, std::string_view reason)
{
    std::string message = "Slot " + std::to_string(slot) + " (";
    message.append(place).append("): ").append(what).append(": ").append(reason);
    return message;
}

} // namespace quandrel
