// The save slots in the browser's storage, each holding the bytes of the desktop's slot file, so
// that a slot moves between the two as a file. The model names the slots, words the messages
// and gives the bytes (model.facts); this module only keeps them.

export class SlotError extends Error {}

// Why the storage refused, in the player's words.
function storageReason(error) {
    if (error?.name === 'QuotaExceededError') return "the browser's storage for this page is full";
    return "the browser's storage is turned off for this page";
}

export class SlotStore {
    #storage;
    #facts;
    #plan;

    // `storage` is window.localStorage, or null where the browser refuses it; `plan` is the
    // model's slotCreation.
    constructor(storage, facts, plan) {
        this.#storage = storage;
        this.#facts = facts;
        this.#plan = plan;
    }

    static open(facts, plan) {
        try {
            return new SlotStore(window.localStorage, facts, plan);
        } catch {
            return new SlotStore(null, facts, plan);
        }
    }

    get count() {
        return this.#facts.slotFileNames.length;
    }

    fileName(slot) {
        return this.#facts.slotFileNames[slot - 1];
    }

    // "Slot 2 (sgame02.txt): could not save: REASON", as the model words it; `place` names the
    // file when it is not the slot's own. The pattern's %1 to %4 are slotMessage's four
    // arguments, as web/binding/SessionFacts.cpp fills them.
    message(slot, what, reason, place = this.fileName(slot)) {
        const parts = { 1: String(slot), 2: place, 3: what, 4: reason };
        return this.#facts.slotMessage.replace(/%([1-4])/gu, (_, n) => parts[n]);
    }

    #key(slot) {
        return `quandrel/${this.fileName(slot)}`;
    }

    #need(slot, what) {
        if (this.#storage === null) throw new SlotError(this.message(slot, what, storageReason(null)));
    }

    save(slot, contents) {
        this.#write(slot, contents, this.#facts.couldNotSave);
    }

    #write(slot, contents, what) {
        this.#need(slot, what);
        try {
            this.#storage.setItem(this.#key(slot), contents);
        } catch (error) {
            throw new SlotError(this.message(slot, what, storageReason(error)));
        }
        // Some browsers drop a write without a word when the storage is full; read it back.
        if (this.#storage.getItem(this.#key(slot)) !== contents) {
            throw new SlotError(this.message(slot, what, storageReason({ name: 'QuotaExceededError' })));
        }
    }

    // Creates the slots the model names before a load of `chosen` (model.slotCreation), each
    // holding the bytes it gives; a failure counts only where the model says it must succeed.
    createMissing(chosen) {
        let present = 0;
        for (let slot = 1; slot <= this.count; ++slot) present |= this.read(slot) === null ? 0 : 1 << (slot - 1);
        const plan = this.#plan(chosen, present);
        for (const { slot, mustSucceed } of plan.slots) {
            try {
                this.#write(slot, plan.bytes, this.#facts.couldNotCreate);
            } catch (error) {
                if (mustSucceed) throw error;
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

    // The bytes a load reads of the chosen slot, after creating the missing slots.
    readChosen(slot) {
        this.createMissing(slot);
        this.#need(slot, this.#facts.couldNotLoad);
        return (this.read(slot) ?? '').slice(0, this.#facts.slotReadLimit);
    }
}
