// The editor model in WebAssembly, and the only module that knows its C interface. Every call
// that may change the controls tells the listeners afterwards, as the desktop model does.
import createQuandrel from './quandrel.js';

// The codec reads single bytes: a character beyond ASCII stands as '?', which no place accepts.
// Cut first, so that no text of any length is copied into the module whole: the module reads no
// more than the longest text it takes (facts.slotReadLimit) of any argument.
const asBytes = (text, limit) => String(text).slice(0, limit).replace(/[^\x00-\x7f]/gu, '?');

export class EditorModel {
    #api;
    #listeners = [];

    #facts;

    constructor(module) {
        const f = (name, result, args = []) => module.cwrap(name, result, args);
        this.#api = {
            start: f('qp_start', null),
            facts: f('qp_facts', 'string'),
            slotFile: f('qp_slot_file', 'string'),
            slotTextProblem: f('qp_slot_text_problem', 'string', ['number', 'string', 'string']),
            slotCreation: f('qp_slot_creation', 'string', ['number', 'number']),
            openLink: f('qp_open_link', 'string', ['string']),
            snapshot: f('qp_snapshot', 'string'),
            changes: f('qp_changes', 'string'),
            password: f('qp_password', 'string'),
            layout: f('qp_layout', 'string'),
            click: f('qp_click', 'number', ['string']),
            keyPress: f('qp_key_press', 'number', ['number', 'number']),
            textChange: f('qp_text_change', 'number', ['number', 'string']),
            loadSlot: f('qp_load_slot', 'string', ['number', 'string']),
            enterPassword: f('qp_enter_password', 'string', ['string']),
            checkPassword: f('qp_check_password', 'string', ['string']),
            repairAsTyped: f('qp_repair_as_typed', 'string', ['string', 'string']),
            newGame: f('qp_new_game', null),
            everything: f('qp_everything', null),
            undo: f('qp_undo', null),
            redo: f('qp_redo', null),
            history: f('qp_history', 'string'),
        };
        this.#facts = JSON.parse(this.#api.facts());
    }

    // The limits, slot files and slot messages, as the desktop has them.
    get facts() {
        return this.#facts;
    }
    #typed(text) {
        return asBytes(text, this.#facts.entryLimit);
    }
    #slotBytes(text) {
        return asBytes(text, this.#facts.slotReadLimit);
    }

    onChange(listener) {
        this.#listeners.push(listener);
    }

    #changed(result) {
        for (const listener of this.#listeners) listener();
        return result;
    }

    // {"Image4(12)": [text or null, flags, accessible name or null]} for each control it keeps.
    snapshot() {
        return JSON.parse(this.#api.snapshot());
    }
    // The same for the controls that changed since the last call: what the window redraws.
    changes() {
        return JSON.parse(this.#api.changes());
    }
    // The password the window shows.
    password() {
        return this.#api.password();
    }
    // Every control of the window with its place, caption and picture.
    layout() {
        return JSON.parse(this.#api.layout());
    }
    history() {
        return JSON.parse(this.#api.history());
    }
    // The bytes of a slot file that holds the shown password.
    slotFile() {
        return this.#api.slotFile();
    }
    // Why a file's contents would not load into the slot; '' when they would.
    slotTextProblem(slot, fileName, contents) {
        return this.#api.slotTextProblem(slot, this.#typed(fileName), this.#slotBytes(contents));
    }
    // The slots to create before a load of `slot`, and their bytes: {bytes, slots: [{slot,
    // mustSucceed}]}. Bit n of `present` says slot n + 1 holds a file.
    slotCreation(slot, present) {
        return JSON.parse(this.#api.slotCreation(slot, present));
    }
    // The entry dialog's judgement of what is typed: marks, sentences and ranked corrections.
    checkPassword(typed) {
        return JSON.parse(this.#api.checkPassword(this.#typed(typed)));
    }
    // A chosen correction with the player's blanks and dashes kept.
    repairAsTyped(typed, repaired) {
        return this.#api.repairAsTyped(this.#typed(typed), this.#typed(repaired));
    }

    start() {
        return this.#changed(this.#api.start());
    }
    // False when the control takes no clicks.
    click(control) {
        return this.#changed(this.#api.click(this.#typed(control)) === 1);
    }
    // The key code the box inserts (0: it must discard the key) and whether the trigger word is
    // complete, packed as qp_key_press in web/binding/WebEditor.cpp packs them.
    keyPress(box, keyCode) {
        const result = this.#api.keyPress(box, keyCode);
        return this.#changed({ keyCode: result & 0xffff, trigger: (result & 0x10000) !== 0 });
    }
    // False when the model refuses the text: the box must show the model's text again.
    textChange(box, text) {
        return this.#changed(this.#api.textChange(box, this.#typed(text)) === 1);
    }
    // Empty on success, else the message to show.
    loadSlot(slot, contents) {
        return this.#changed(this.#api.loadSlot(slot, this.#slotBytes(contents)));
    }
    enterPassword(password) {
        return this.#changed(this.#api.enterPassword(this.#typed(password)));
    }
    // A password from the page's address: no step to undo.
    openLink(password) {
        return this.#changed(this.#api.openLink(this.#typed(password)));
    }
    newGame() {
        return this.#changed(this.#api.newGame());
    }
    everything() {
        return this.#changed(this.#api.everything());
    }
    undo() {
        return this.#changed(this.#api.undo());
    }
    redo() {
        return this.#changed(this.#api.redo());
    }
}

// The module's bytes can be handed in, where the loader cannot fetch them itself (node).
export async function loadModel(options = {}) {
    return new EditorModel(await createQuandrel(options));
}
