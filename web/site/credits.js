// The credits window: its picture creeps up one pixel every 50 ms until its top passes -930;
// any character key closes it.
const kTickMilliseconds = 50;
const kLastTop = -930;

export class CreditsWindow {
    #dialog;
    #picture;
    #timer = 0;
    #top = 0;

    constructor(dialog) {
        this.#dialog = dialog;
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
        if (!this.#dialog.open) this.#dialog.showModal();
        this.#dialog.focus(); // it holds nothing focusable, and its keys close it
        this.#stop();
        this.#timer = setInterval(() => this.#tick(), kTickMilliseconds);
    }

    close() {
        if (this.#dialog.open) this.#dialog.close();
    }

    #tick() {
        this.#top -= 1;
        this.#picture.style.top = `${this.#top}px`;
        if (this.#top < kLastTop) this.#stop();
    }

    #stop() {
        clearInterval(this.#timer);
        this.#timer = 0;
    }
}
