// The five save slots in the browser's storage, each holding the bytes of the desktop's slot
// file (the password and CR LF), so that a slot moves between the two as a file.
const kSlotCount = 5;
const kReadLimit = 64 * 1024; // as much of a slot file as the desktop reads

export class SlotError extends Error {}

export const slotFileName = (slot) => `sgame0${slot}.txt`;
export const slotFileBytes = (password) => `${password}\r\n`;

// Why the storage refused, in the player's words.
function storageReason(error) {
    if (error?.name === 'QuotaExceededError') return "the browser's storage for this page is full";
    return "the browser's storage is turned off for this page";
}

export class SlotStore {
    #storage;

    // `storage` is window.localStorage, or null where the browser refuses it.
    constructor(storage) {
        this.#storage = storage;
    }

    static open() {
        try {
            return new SlotStore(window.localStorage);
        } catch {
            return new SlotStore(null);
        }
    }

    #key(slot) {
        return `quandrel/${slotFileName(slot)}`;
    }

    #need(slot, what) {
        if (this.#storage === null) {
            throw new SlotError(`Slot ${slot} (${slotFileName(slot)}): ${what}: ${storageReason(null)}`);
        }
    }

    save(slot, contents) {
        this.#need(slot, 'could not save');
        try {
            this.#storage.setItem(this.#key(slot), contents);
        } catch (error) {
            throw new SlotError(`Slot ${slot} (${slotFileName(slot)}): could not save: ${storageReason(error)}`);
        }
        // Some browsers drop a write without a word when the storage is full; read it back.
        if (this.#storage.getItem(this.#key(slot)) !== contents) {
            throw new SlotError(`Slot ${slot} (${slotFileName(slot)}): could not save: ${storageReason({ name: 'QuotaExceededError' })}`);
        }
    }

    // Creates each missing slot holding `contents`, as a desktop load creates missing slot files:
    // only the chosen slot must be there afterwards.
    createMissing(contents, chosen) {
        for (let slot = 1; slot <= kSlotCount; ++slot) {
            if (this.read(slot) !== null) continue;
            try {
                this.save(slot, contents);
            } catch (error) {
                if (slot === chosen) throw error;
            }
        }
    }

    // The slot's contents, or null when it holds none.
    read(slot) {
        if (this.#storage === null) return null;
        try {
            return this.#storage.getItem(this.#key(slot));
        } catch {
            return null;
        }
    }

    readChosen(slot) {
        this.#need(slot, 'could not load');
        const contents = this.read(slot);
        if (contents === null) {
            throw new SlotError(`Slot ${slot} (${slotFileName(slot)}): could not load: the slot is missing`);
        }
        return contents.slice(0, kReadLimit);
    }
}
