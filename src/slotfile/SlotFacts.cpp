#include "SlotFacts.h"

namespace quandrel {

std::string slotFileName(int slot) { return "sgame0" + std::to_string(slot) + ".txt"; }

std::string slotFileBytes(std::string_view password) { return std::string(password) + "\r\n"; }

std::string slotMessage(std::string_view slot, std::string_view place, std::string_view what, std::string_view reason)
{
    std::string message = "Slot ";
    message.append(slot).append(" (").append(place).append("): ").append(what).append(": ").append(reason);
    return message;
}

} // namespace quandrel
