#include "SlotStore.h"

#include "SlotFileCreation.h"
#include "SlotWriteError.h"
#include "slotfile/SlotError.h"
#include "slotfile/SlotFile.h"

namespace quandrel {

SlotStore::SlotStore(std::filesystem::path directory, WriteFault fault)
    : m_directory(std::move(directory)), m_fault(std::move(fault))
{}

std::filesystem::path SlotStore::pathOf(int slot) const { return m_directory / slotFileName(slot); }

std::string SlotStore::describe(int slot) const
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(pathOf(slot), error);
    return error ? pathOf(slot).string() : absolute.lexically_normal().string();
}

void SlotStore::save(int slot, std::string_view password) const
{
    try {
        saveSlotFile(pathOf(slot), slotFileBytes(password), m_fault);
    } catch (const SlotWriteError& error) {
        throw SlotError(slot, describe(slot), error.outcome(), error.what());
    }
}

void SlotStore::createMissing(std::string_view password, int chosen) const
{
    const std::string line = slotFileBytes(password);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const std::optional<std::string> failure = createSlotFileIfMissing(pathOf(slot), line);
        if (failure && slot == chosen) {
            throw SlotError(slot, describe(slot), kCouldNotCreate, *failure);
        }
    }
}

std::string SlotStore::readContents(int slot) const
{
    try {
        return readSlotContents(pathOf(slot));
    } catch (const SlotReadError& error) {
        throw SlotError(slot, describe(slot), kCouldNotLoad, error.what());
    }
}

} // namespace quandrel
