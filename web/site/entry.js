// The "Enter password" dialog: the model judges what is typed, the dialog says so and offers the
// model's corrections, best first.
const kPasswordLength = 45;
const kBodyLength = 43;
const kListedProblems = 4;

const inGroups = (text) => text.match(/.{1,4}/gu)?.join(' ') ?? '';

function describeChange(change) {
    if (change.edit === 'insert') return `character ${change.position}: ${change.to} put back`;
    if (change.edit === 'remove') return `character ${change.position}: ${change.from} taken out`;
    const text = `character ${change.position}: ${change.from} → ${change.to}`;
    return change.lookAlike ? `${text} (look-alike)` : text;
}

function describeEffect(effect) {
    if (effect.length === 0) return 'changes no field';
    return effect.map((e) => (e.before === '' ? `${e.name} = ${e.after}` : `${e.name} ${e.before} → ${e.after}`)).join(', ');
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
        this.#input.value = typed.slice(0, 200);
        this.#judge();
        if (!this.#dialog.open) this.#dialog.showModal();
        this.#input.focus();
    }

    #judge() {
        this.#confirming = false;
        const judged = this.#model.checkPassword(this.#input.value);
        this.#judged = judged;
        const $ = (id) => this.#dialog.querySelector(id);
        const bad = new Set(judged.problems.map((p) => p.position));
        const echo = $('#entryEcho');
        echo.replaceChildren();
        [...judged.password].forEach((character, i) => {
            if (i > 0 && i % 4 === 0) echo.append(' ');
            const place = i + 1;
            if (place > kPasswordLength || bad.has(place)) {
                const mark = document.createElement(place > kPasswordLength ? 's' : 'mark');
                mark.textContent = character;
                echo.append(mark);
            } else {
                echo.append(character);
            }
        });
        const length = judged.length;
        $('#entryLength').textContent =
            length === 0 || length === kPasswordLength ? ''
                : length < kPasswordLength ? `${length} of ${kPasswordLength} characters`
                    : `${length} characters: ${length - kPasswordLength} more than a password has`;
        const problems = $('#entryProblems');
        problems.replaceChildren(...judged.problems.slice(0, kListedProblems).map((p) => {
            const item = document.createElement('li');
            item.textContent = `Character ${p.position}, ${p.character}, is not valid there: that place takes one of ${[...p.accepted].sort().join('')}.`;
            return item;
        }));
        if (judged.problems.length > kListedProblems) {
            const more = document.createElement('li');
            more.textContent = `and ${judged.problems.length - kListedProblems} more characters not valid at their places`;
            problems.append(more);
        }
        const bodyInvalid = judged.problems.some((p) => p.position <= kBodyLength);
        $('#entryChecksum').textContent =
            judged.expectedChecksum === '' || bodyInvalid || length > kPasswordLength ? ''
                : length < kPasswordLength ? `The checksum of these characters is ${judged.expectedChecksum}.`
                    : judged.checksumMatches ? `Checksum ${judged.expectedChecksum} matches.`
                        : `Checksum ${judged.password.slice(kBodyLength)} does not match: the characters before it give ${judged.expectedChecksum}.`;
        $('#entryVerdict').textContent = this.#verdict(judged);
        const corrections = $('#entryCorrections');
        corrections.replaceChildren(...judged.corrections.map((c) => {
            const item = document.createElement('li');
            const choose = document.createElement('button');
            choose.type = 'button';
            choose.className = 'correction';
            choose.textContent = inGroups(c.password);
            choose.setAttribute('aria-description', `${c.changes.map(describeChange).join('; ')}: ${describeEffect(c.effect)}`);
            choose.addEventListener('click', () => this.open(c.password));
            const what = document.createElement('span');
            what.textContent = ` ${c.changes.map(describeChange).join('; ')}: ${describeEffect(c.effect)}`;
            item.append(choose, what);
            return item;
        }));
        $('#entryCorrectionsNote').textContent =
            judged.valid ? '' : judged.corrections.length > 0 ? 'Likely corrections, best first; choose one to put it in the box:'
                : length === kPasswordLength ? 'No change of one or two characters makes this a valid password.' : '';
        $('#entryLoad').disabled = !this.#loadable(judged);
    }

    #loadable(judged) {
        return judged.length === kPasswordLength && judged.problems.length === 0;
    }

    #verdict(judged) {
        if (judged.length === 0) return 'Type or paste a password.';
        const reasons = [];
        const invalid = judged.problems.length;
        if (invalid === 1) reasons.push('a character is not valid at its place');
        if (invalid > 1) reasons.push(`${invalid} characters are not valid at their places`);
        if (judged.length !== kPasswordLength) reasons.push(`it has ${judged.length} characters, not ${kPasswordLength}`);
        if (reasons.length > 0) return `Cannot load: ${reasons.join(', and ')}.`;
        if (!judged.checksumMatches) return 'The checksum does not match: Load asks before it loads this password.';
        return 'A valid password: Load shows it in the window.';
    }

    #load() {
        const judged = this.#judged;
        if (judged === null || !this.#loadable(judged)) return;
        if (!judged.checksumMatches && !this.#confirming) {
            this.#confirming = true;
            this.#dialog.querySelector('#entryVerdict').textContent =
                'The checksum does not match. Load again to load it anyway: the window then shows it with its own checksum.';
            this.#dialog.querySelector('#entryLoad').textContent = 'Load anyway';
            return;
        }
        this.#dialog.querySelector('#entryLoad').textContent = 'Load';
        this.#model.enterPassword(judged.password);
        this.#dialog.close();
    }
}
