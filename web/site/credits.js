// The credits window: its picture creeps up one pixel a tick until its top passes the last top,
// with the tick and the last top as the model gives them (facts); any character key closes it.
import { openDialog } from './dialogs.js';

export class CreditsWindow {
    #dialog;
    #picture;
    #timer = 0;
    #top = 0;
    #facts;

    constructor(dialog, facts) {
        this.#dialog = dialog;
        this.#facts = facts;
        this.#picture = dialog.querySelector('img');
        dialog.addEventListener('keydown', (event) => {
            if (event.key.length === 1) this.close();
        });
        dialog.addEventListener('close', () => this.#stop());
    }

    open() {
        // Fetched at the first opening, not with the page: few players ever see it.
        if (!this.#picture.getAttribute('src')) this.#picture.src = 'credits/credits.gif';
        this.#top = 0;
        this.#picture.style.top = '0px';
        openDialog(this.#dialog);
        this.#dialog.focus(); // it holds nothing focusable, and its keys close it
        this.#stop();
        this.#timer = setInterval(() => this.#tick(), this.#facts.creditsTickMilliseconds);
    }

    close() {
        if (this.#dialog.open) this.#dialog.close();
    }

    #tick() {
        this.#top -= 1;
        this.#picture.style.top = `${this.#top}px`;
        if (this.#top < this.#facts.creditsLastTop) this.#stop();
    }

    #stop() {
        clearInterval(this.#timer);
        this.#timer = 0;
    }
}
