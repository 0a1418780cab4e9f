// Every dialog of the page opens through here, so that closing it gives the focus back to the
// control that opened it; a menu item, hidden once its menu closes, hands it to its menu.
export function openDialog(dialog) {
    if (dialog.open) return;
    const opener = document.activeElement;
    dialog.addEventListener('close', () => {
        const menu = opener?.closest?.('details');
        const target = menu && !menu.open ? menu.querySelector('summary') : opener;
        if (target?.isConnected && document.querySelector('dialog[open]') === null) target.focus();
    }, { once: true });
    dialog.showModal();
}
