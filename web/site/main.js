// The page: loads the model, builds the window, and connects the menus, slots, share links and
// dialogs to it.
import { CreditsWindow } from './credits.js';
import { EntryDialog } from './entry.js';
import { loadModel } from './model.js';
import { SlotError, SlotStore, slotFileBytes, slotFileName } from './slots.js';
import { MainWindow } from './window.js';

const $ = (selector) => document.querySelector(selector);
const kAddressDelay = 300; // milliseconds after the last change

function showMessage(title, text) {
    $('#messageTitle').textContent = title;
    $('#messageText').textContent = text;
    const dialog = $('#messageDialog');
    if (!dialog.open) dialog.showModal();
}

function announce(text) {
    $('#status').textContent = text;
}

// The page address carries the shown password, so that a link or a reload opens this state.
function passwordFromAddress() {
    return decodeURIComponent(location.hash.slice(1)).trim();
}

async function main() {
    const model = await loadModel();
    const slots = SlotStore.open();
    const credits = new CreditsWindow($('#creditsDialog'));
    const window_ = new MainWindow(model, $('#window'), () => credits.open());
    const entry = new EntryDialog(model, $('#entryDialog'));
    const password = () => model.password();

    // Share links: a password that checks opens its state; one that does not opens the entry
    // dialog with its corrections.
    const linked = passwordFromAddress();
    model.start();
    if (linked !== '') {
        if (model.checkPassword(linked).valid) {
            model.enterPassword(linked);
        } else {
            entry.open(linked);
        }
    }
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
    showInAddress();

    // The slot buttons.
    for (let n = 0; n < 5; ++n) {
        window_.element(`Command2(${n})`)?.addEventListener('click', () => save(n + 1));
        window_.element(`Command3(${n})`)?.addEventListener('click', () => load(n + 1));
    }
    function save(slot) {
        try {
            slots.save(slot, slotFileBytes(password()));
            announce(`Saved to slot ${slot}.`);
        } catch (error) {
            showMessage('Save failed', error.message);
        }
    }
    function load(slot, contents = null) {
        try {
            if (contents === null) {
                slots.createMissing(slotFileBytes(model.initialPassword()), slot);
                contents = slots.readChosen(slot);
            }
        } catch (error) {
            if (!(error instanceof SlotError)) throw error;
            showMessage('Load failed', error.message);
            return;
        }
        const problem = model.loadSlot(slot, contents);
        if (problem !== '') showMessage('Load failed', problem);
    }

    // Slot files, byte for byte the desktop's.
    let slotAction = 'download';
    const slotDialog = $('#slotDialog');
    const fileInput = $('#slotFileInput');
    let openedFile = null;
    slotDialog.addEventListener('close', async () => {
        if (slotDialog.returnValue !== 'ok') return;
        const slot = Number($('#slotNumber').value);
        if (slotAction === 'download') {
            download(slot);
        } else if (openedFile !== null) {
            const contents = await openedFile.text();
            try {
                slots.save(slot, contents);
            } catch (error) {
                showMessage('Open failed', error.message);
                return;
            }
            load(slot);
        }
    });
    function chooseSlot(action, title, suggested) {
        slotAction = action;
        $('#slotTitle').textContent = title;
        $('#slotOk').textContent = action === 'download' ? 'Download' : 'Open into slot';
        $('#slotNumber').value = String(suggested);
        slotDialog.returnValue = '';
        slotDialog.showModal();
    }
    function download(slot) {
        let contents;
        try {
            slots.createMissing(slotFileBytes(model.initialPassword()), slot);
            contents = slots.readChosen(slot);
        } catch (error) {
            showMessage('Download failed', error.message);
            return;
        }
        const link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([contents], { type: 'text/plain' }));
        link.download = slotFileName(slot);
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    }
    fileInput.addEventListener('change', () => {
        openedFile = fileInput.files[0] ?? null;
        fileInput.value = '';
        if (openedFile === null) return;
        const named = /^sgame0([1-5])\.txt$/iu.exec(openedFile.name);
        chooseSlot('open', `Open ${openedFile.name}`, named ? Number(named[1]) : 1);
    });

    // The menus' commands.
    const commands = {
        enterPassword: () => entry.open(),
        newGame: () => model.newGame(),
        everything: () => model.everything(),
        openSlotFile: () => fileInput.click(),
        downloadSlotFile: () => chooseSlot('download', 'Download slot file', 1),
        undo: () => model.undo(),
        redo: () => model.redo(),
        copyPassword: async () => {
            await navigator.clipboard.writeText(password());
            announce('Password copied.');
        },
        pastePassword: async () => {
            const text = await navigator.clipboard.readText();
            if (text.trim() === '') {
                showMessage('Paste password', 'The clipboard holds no text to paste as a password.');
                return;
            }
            entry.open(text);
        },
        copyLink: async () => {
            showInAddress();
            await navigator.clipboard.writeText(location.href);
            announce('Link copied.');
        },
        keyboardShortcuts: () => $('#shortcutDialog').showModal(),
    };
    const run = (name) => {
        Promise.resolve(commands[name]()).catch((error) => showMessage('Could not do that', error.message));
    };
    for (const button of document.querySelectorAll('[data-command]')) {
        button.addEventListener('click', () => {
            button.closest('details')?.removeAttribute('open');
            run(button.dataset.command);
        });
    }
    const refreshMenus = () => {
        const steps = model.history();
        const undo = $('[data-command="undo"]');
        const redo = $('[data-command="redo"]');
        // Only what changed: a new caption costs a layout of the menu.
        const show = (button, can, caption) => {
            if (button.disabled !== !can) button.disabled = !can;
            if (button.textContent !== caption) button.textContent = caption;
        };
        show(undo, steps.canUndo, steps.undo === '' ? 'Undo' : `Undo ${steps.undo}`);
        show(redo, steps.canRedo, steps.redo === '' ? 'Redo' : `Redo ${steps.redo}`);
    };
    model.onChange(refreshMenus);
    refreshMenus();

    document.addEventListener('keydown', (event) => {
        if (!event.ctrlKey || event.altKey || event.metaKey) return;
        const key = event.key.toLowerCase();
        const shortcut = key === 'e' && !event.shiftKey ? 'enterPassword'
            : key === 'z' && !event.shiftKey ? 'undo'
                : (key === 'y' && !event.shiftKey) || (key === 'z' && event.shiftKey) ? 'redo'
                    : key === 'c' && event.shiftKey ? 'copyPassword' : null;
        // A dialog's text box keeps its own undo.
        if (shortcut === null || (document.querySelector('dialog[open]') && shortcut !== 'copyPassword')) return;
        event.preventDefault();
        run(shortcut);
    });
    window.addEventListener('hashchange', () => {
        const typed = passwordFromAddress();
        if (typed === password()) return;
        if (model.checkPassword(typed).valid) model.enterPassword(typed);
        else entry.open(typed);
    });

    $('#window').querySelector('[data-control="Text1(0)"]')?.focus();
    document.documentElement.dataset.ready = 'true';
}

if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').catch(() => {});
}
main().catch((error) => showMessage('The editor could not start', String(error?.message ?? error)));
