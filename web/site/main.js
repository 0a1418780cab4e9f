// The page: loads the model, builds the window, and connects the menus, slots, share links and
// dialogs to it.
import { openDialog } from './dialogs.js';
import { EntryDialog } from './entry.js';
import { loadModel } from './model.js';
import { SlotError, SlotStore } from './slots.js';
import { MainWindow } from './window.js';

const $ = (selector) => document.querySelector(selector);
const kAddressDelay = 300; // milliseconds after the last change

function showMessage(title, text) {
    $('#messageTitle').textContent = title;
    $('#messageText').textContent = text;
    openDialog($('#messageDialog'));
}

function announce(text) {
    $('#status').textContent = text;
}

// The page address carries the shown password, so that a link or a reload opens this state. An
// address that is no valid escape (a link cut short, a stray "%") is taken as typed. Only as
// much as the entry dialog keeps is ever read.
function passwordFromAddress(limit) {
    const raw = location.hash.slice(1, 1 + 3 * limit);
    let text;
    try {
        text = decodeURIComponent(raw);
    } catch {
        text = raw;
    }
    return text.slice(0, limit).trim();
}

async function main() {
    const model = await loadModel();
    const { facts } = model;
    const slots = SlotStore.open(facts, (slot, present) => model.slotCreation(slot, present));
    // The menus' words are the model's; the page's markup leaves them empty.
    for (const element of document.querySelectorAll('[data-command], [data-menu], [data-word]')) {
        element.textContent = facts.words[element.dataset.command ?? element.dataset.menu ?? element.dataset.word];
    }
    for (const element of document.querySelectorAll('[data-word-label]')) {
        element.setAttribute('aria-label', facts.words[element.dataset.wordLabel]);
    }
    // The credits window is fetched the first time the trigger word asks for it.
    let credits = null;
    const openCredits = async () => {
        credits ??= new (await import('./credits.js')).CreditsWindow($('#creditsDialog'), facts);
        credits.open();
    };
    const window_ = new MainWindow(model, $('#window'), () => openCredits());
    const entry = new EntryDialog(model, $('#entryDialog'));
    const password = () => model.password();

    // Share links: a password that checks opens its state, as the start does; one that does not
    // opens the entry dialog with its corrections.
    const openTyped = (typed, asStart) => {
        if (typed === '' || typed === password()) return;
        if (!model.checkPassword(typed).valid) entry.open(typed);
        else if (asStart) model.openLink(typed);
        else model.enterPassword(typed);
    };
    model.start();
    openTyped(passwordFromAddress(facts.entryLimit), true);
    performance.mark('quandrel-first-password');
    // Rewriting the address costs a same-document navigation and a fresh look at the icon,
    // several milliseconds: it waits until the clicks pause, so that it never delays a paint.
    let addressTimer = null;
    const showInAddress = () => {
        clearTimeout(addressTimer);
        addressTimer = null;
        const hash = `#${password()}`;
        if (location.hash !== hash) history.replaceState(null, '', hash);
    };
    model.onChange(() => {
        clearTimeout(addressTimer);
        addressTimer = setTimeout(showInAddress, kAddressDelay);
    });
    window.addEventListener('pagehide', showInAddress);
    window.addEventListener('hashchange', () => openTyped(passwordFromAddress(facts.entryLimit), false));
    if (!$('#entryDialog').open) showInAddress();

    // The slot buttons.
    for (let n = 0; n < slots.count; ++n) {
        window_.element(`Command2(${n})`)?.addEventListener('click', () => save(n + 1));
        window_.element(`Command3(${n})`)?.addEventListener('click', () => load(n + 1));
    }
    function save(slot) {
        try {
            slots.save(slot, model.slotFile());
            announce(`Saved to slot ${slot}.`);
        } catch (error) {
            if (!(error instanceof SlotError)) throw error;
            showMessage(facts.words.saveFailed, error.message);
        }
    }
    function load(slot) {
        let contents;
        try {
            contents = slots.readChosen(slot);
        } catch (error) {
            if (!(error instanceof SlotError)) throw error;
            showMessage(facts.words.loadFailed, error.message);
            return;
        }
        const problem = model.loadSlot(slot, contents);
        if (problem !== '') showMessage(facts.words.loadFailed, problem);
    }

    // Slot files, byte for byte the desktop's.
    const slotNumber = $('#slotNumber');
    slotNumber.replaceChildren(...facts.slotFileNames.map((name, i) => new Option(`${i + 1} (${name})`, String(i + 1))));
    let slotAction = 'download';
    const slotDialog = $('#slotDialog');
    const fileInput = $('#slotFileInput');
    let openedFile = null;
    slotDialog.addEventListener('close', () => {
        if (slotDialog.returnValue !== 'ok') return;
        const slot = Number(slotNumber.value);
        if (slotAction === 'download') download(slot);
        else if (openedFile !== null) openInto(slot, openedFile);
    });
    function chooseSlot(action, title, suggested) {
        slotAction = action;
        $('#slotTitle').textContent = title;
        $('#slotOk').textContent = action === 'download' ? 'Download' : 'Open into slot';
        slotNumber.value = String(suggested);
        slotDialog.returnValue = '';
        openDialog(slotDialog);
    }
    function download(slot) {
        let contents;
        try {
            contents = slots.readChosen(slot);
        } catch (error) {
            if (!(error instanceof SlotError)) throw error;
            showMessage('Download failed', error.message);
            return;
        }
        const link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([contents], { type: 'text/plain' }));
        link.download = slots.fileName(slot);
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    }
    // A file goes into a slot only when a load of it would work, and only after the player
    // agrees to replace a password the slot holds.
    async function openInto(slot, file) {
        const title = 'Open failed';
        if (file.size > facts.slotReadLimit) {
            showMessage(title, slots.message(slot, facts.couldNotLoad, facts.tooBig, file.name));
            return;
        }
        let contents;
        try {
            // As bytes, one character each, as the desktop reads a slot file.
            contents = new TextDecoder('latin1').decode(await file.slice(0, facts.slotReadLimit).arrayBuffer());
        } catch {
            showMessage(title, slots.message(slot, facts.couldNotLoad, 'the browser could not read the file', file.name));
            return;
        }
        const problem = model.slotTextProblem(slot, file.name, contents);
        if (problem !== '') {
            showMessage(title, problem);
            return;
        }
        const kept = slots.read(slot);
        if (kept !== null && model.slotTextProblem(slot, slots.fileName(slot), kept) === '') {
            $('#replaceText').textContent = `Slot ${slot} holds a password. Replace it with ${file.name}?`;
            const replace = $('#replaceDialog');
            replace.returnValue = '';
            const agreed = new Promise((resolve) => replace.addEventListener('close', () => resolve(replace.returnValue === 'ok'), { once: true }));
            openDialog(replace);
            if (!await agreed) return;
        }
        try {
            slots.save(slot, contents);
        } catch (error) {
            if (!(error instanceof SlotError)) throw error;
            showMessage(title, error.message);
            return;
        }
        load(slot);
    }
    fileInput.addEventListener('change', () => {
        openedFile = fileInput.files[0] ?? null;
        fileInput.value = '';
        if (openedFile === null) return;
        const named = facts.slotFileNames.findIndex((name) => name.toLowerCase() === openedFile.name.toLowerCase());
        chooseSlot('open', `Open ${openedFile.name}`, named + 1 || 1);
    });

    // The menus' commands. The clipboard may be refused; the player reads why in plain words.
    const clipboardRefused = 'The browser did not let this page use the clipboard.';
    const commands = {
        enterPassword: () => entry.open(),
        newGame: () => model.newGame(),
        everything: () => model.everything(),
        openSlotFile: () => fileInput.click(),
        downloadSlotFile: () => chooseSlot('download', 'Download slot file', 1),
        undo: () => model.undo(),
        redo: () => model.redo(),
        copyPassword: async () => {
            try {
                await navigator.clipboard.writeText(password());
                announce('Password copied.');
            } catch {
                showMessage(facts.words.copyPassword, clipboardRefused);
            }
        },
        pastePassword: async () => {
            let text;
            try {
                text = await navigator.clipboard.readText();
            } catch {
                // Refused: the entry dialog takes the paste from the keyboard instead.
                entry.open();
                announce(clipboardRefused);
                return;
            }
            if (text.trim() === '') {
                showMessage(facts.words.pasteTitle, facts.nothingToPaste);
                return;
            }
            entry.open(text);
        },
        copyLink: async () => {
            showInAddress();
            try {
                await navigator.clipboard.writeText(location.href);
                announce('Link copied.');
            } catch {
                showMessage(facts.words.copyLink, clipboardRefused);
            }
        },
        keyboardShortcuts: () => openDialog($('#shortcutDialog')),
    };
    const run = (name) => {
        Promise.resolve(commands[name]()).catch((error) => {
            console.error(error);
            showMessage('Could not do that', 'Something in this browser went wrong; the editor is as it was.');
        });
    };
    for (const button of document.querySelectorAll('[data-command]')) {
        button.addEventListener('click', () => {
            button.closest('details')?.removeAttribute('open');
            run(button.dataset.command);
        });
    }
    const refreshMenus = () => {
        const steps = model.history();
        // Only what changed: a new caption costs a layout of the menu.
        const show = (button, can, caption) => {
            if (button.disabled !== !can) button.disabled = !can;
            if (button.textContent !== caption) button.textContent = caption;
        };
        show($('[data-command="undo"]'), steps.canUndo, steps.undo);
        show($('[data-command="redo"]'), steps.canRedo, steps.redo);
    };
    model.onChange(refreshMenus);
    refreshMenus();

    // The menu commands' keys, as the model's table gives them ("Ctrl+Shift+Z"): listed in the
    // shortcut dialog, announced on the menu items and taken from the keyboard.
    const keyOf = (ctrl, shift, key) => `${ctrl ? 'Ctrl+' : ''}${shift ? 'Shift+' : ''}${key.toUpperCase()}`;
    const commandOfKey = new Map();
    const kbd = (text) => Object.assign(document.createElement('kbd'), { textContent: text });
    $('#shortcutRows').prepend(...facts.shortcuts.map(({ command, keys }) => {
        for (const key of keys) commandOfKey.set(key, command);
        $(`[data-command="${command}"]`)?.setAttribute('aria-keyshortcuts', keys.map((key) => key.replace('Ctrl', 'Control')).join(' '));
        const row = document.createElement('tr');
        const cells = [document.createElement('td'), document.createElement('td')];
        cells[0].textContent = facts.words[command];
        keys.forEach((key, i) => {
            if (i > 0) cells[1].append(', ');
            key.split('+').forEach((part, j) => cells[1].append(...(j > 0 ? ['+', kbd(part)] : [kbd(part)])));
        });
        row.append(...cells);
        return row;
    }));
    document.addEventListener('keydown', (event) => {
        if (event.altKey || event.metaKey || event.key.length !== 1) return;
        const shortcut = commandOfKey.get(keyOf(event.ctrlKey, event.shiftKey, event.key)) ?? null;
        // A dialog's text box keeps its own undo.
        if (shortcut === null || (document.querySelector('dialog[open]') && shortcut !== 'copyPassword')) return;
        event.preventDefault();
        run(shortcut);
    });

    if (!$('#entryDialog').open) $('#window').querySelector('[data-control="Text1(0)"]')?.focus();
    document.documentElement.dataset.ready = 'true';
}

if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').catch(() => {});
}
main().catch((error) => {
    console.error(error);
    showMessage('The editor could not start', 'This browser could not run the editor, which needs WebAssembly.');
});
