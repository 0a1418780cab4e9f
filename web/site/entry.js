// The entry dialog: the model judges what is typed and words what it finds; the
// dialog draws that and offers the model's corrections, best first.
import { openDialog } from './dialogs.js';

const kMarkElement = { invalid: 'mark', surplus: 's' };

function paragraph(element, text) {
    element.textContent = text;
    element.hidden = text === '';
}

export class EntryDialog {
    #model;
    #dialog;
    #input;
    #judged = null;
    #confirming = false;

    constructor(model, dialog) {
        this.#model = model;
        this.#dialog = dialog;
        this.#input = dialog.querySelector('#entryInput');
        this.#input.maxLength = model.facts.entryLimit;
        this.#input.addEventListener('input', () => this.#judge());
        dialog.querySelector('#entryLoad').addEventListener('click', () => this.#load());
        this.#input.addEventListener('keydown', (event) => {
            if (event.key === 'Enter') {
                event.preventDefault();
                this.#load();
            }
        });
    }

    open(typed = '') {
        this.#input.value = typed.slice(0, this.#model.facts.entryLimit);
        this.#judge();
        openDialog(this.#dialog);
        this.#input.focus();
    }

    #judge() {
        this.#confirming = false;
        const judged = this.#model.checkPassword(this.#input.value);
        this.#judged = judged;
        const $ = (id) => this.#dialog.querySelector(id);
        const echo = $('#entryEcho');
        echo.replaceChildren();
        judged.groups.forEach((group, i) => {
            if (i > 0) echo.append(' ');
            for (const [text, mark] of group) {
                if (mark === '') {
                    echo.append(text);
                } else {
                    const marked = document.createElement(kMarkElement[mark]);
                    marked.textContent = text;
                    echo.append(marked);
                }
            }
        });
        echo.hidden = judged.groups.length === 0;
        paragraph($('#entryLength'), judged.lengthNote);
        $('#entryProblems').replaceChildren(...judged.problems.map((line) => {
            const item = document.createElement('li');
            item.textContent = line;
            return item;
        }));
        paragraph($('#entryChecksum'), judged.checksumNote);
        $('#entryVerdict').textContent = judged.verdict;
        paragraph($('#entryCorrectionsNote'), judged.correctionsNote);
        $('#entryCorrections').replaceChildren(...judged.corrections.map((c) => {
            const item = document.createElement('li');
            const choose = document.createElement('button');
            choose.type = 'button';
            choose.className = 'correction';
            choose.textContent = c.shown;
            choose.setAttribute('aria-description', `${c.changes}: ${c.effect}`);
            choose.addEventListener('click', () => this.open(this.#model.repairAsTyped(this.#input.value, c.password)));
            // As the desktop lists it: the password, then what changes, then what that means.
            const what = document.createElement('span');
            what.className = 'correction-what';
            what.textContent = `${c.changes}\n${c.effect}`;
            item.append(choose, what);
            return item;
        }));
        const load = $('#entryLoad');
        load.textContent = this.#model.facts.words.loadPassword;
        load.disabled = !judged.loadable;
    }

    #load() {
        const judged = this.#judged;
        if (judged === null || !judged.loadable) return;
        if (!judged.checksumMatches && !this.#confirming) {
            this.#confirming = true;
            this.#dialog.querySelector('#entryVerdict').textContent = judged.checksumQuestion;
            this.#dialog.querySelector('#entryLoad').textContent = this.#model.facts.words.loadAnyway;
            return;
        }
        this.#dialog.querySelector('#entryLoad').textContent = this.#model.facts.words.loadPassword;
        this.#model.enterPassword(judged.password);
        this.#dialog.close();
    }
}
