#include "SlotStore.h"

#include "SlotError.h"
#include "SlotFileCreation.h"
#include "SlotWriteError.h"
#include "slots/SlotFile.h"

namespace quandrel {

namespace {

std::string slotLine(std::string_view password) { return std::string(password) + "\r\n"; }

} // namespace

SlotStore::SlotStore(std::filesystem::path directory, WriteFault fault)
    : m_directory(std::move(directory)), m_fault(std::move(fault))
{}

std::string SlotStore::fileName(int slot) { return "sgame0" + std::to_string(slot) + ".txt"; }

std::filesystem::path SlotStore::pathOf(int slot) const { return m_directory / fileName(slot); }

std::string SlotStore::describe(int slot) const
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(pathOf(slot), error);
    return error ? pathOf(slot).string() : absolute.lexically_normal().string();
}

void SlotStore::save(int slot, std::string_view password) const
{
    try {
        saveSlotFile(pathOf(slot), slotLine(password), m_fault);
    } catch (const SlotWriteError& error) {
        throw SlotError(slot, describe(slot), error.outcome(), error.what());
    }
}

void SlotStore::createMissing(std::string_view password, int chosen) const
{
    const std::string line = slotLine(password);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const std::optional<std::string> failure = createSlotFileIfMissing(pathOf(slot), line);
        if (failure && slot == chosen) {
            throw SlotError(slot, describe(slot), "could not create the slot file", *failure);
        }
    }
}

std::string SlotStore::readField(int slot) const
{
    try {
        return readFirstField(pathOf(slot));
    } catch (const SlotReadError& error) {
        throw SlotError(slot, describe(slot), "could not load", error.what());
    }
}

} // namespace quandrel
