// The main window, built once from the model's layout table and redrawn from the model's
// changed control states after every change. Clicks and keys go to the model; nothing here
// decides anything, not even what a screen reader calls a control: the model names them as the
// desktop does.

const kTwipsPerPixel = 15; // as src/gui/Twips.h (kTwipsPerPixel) places the desktop's controls
const kMostGrowth = 1.5; // 16 pixel rows become 24 pixel targets
// A control's state flags, as web/binding/ControlStates.h (ControlFlag) sets them.
const kVisible = 1;
const kBorder = 2;
const kChecked = 4;
const kRedText = 8;
// A control's roles in the layout, as src/editor/ControlRoles.h (ControlRole) sets them.
const kClickable = 1;
const kPressable = 2;
const kWordPicture = 4;
const has = (control, role) => (control.roles & role) !== 0;

const px = (twips) => `${twips / kTwipsPerPixel}px`;

// The files of the picture "objects/object00": the drawing that keeps its soft edges as alpha,
// so that it lies on a window of any colour, with its 2x and 3x drawings.
function pictureSources(stem) {
    const file = (ratio) => (ratio === 1 ? `${stem}.png` : `${stem}@${ratio}x.png`);
    return { src: file(1), srcset: [1, 2, 3].map((ratio) => `${file(ratio)} ${ratio}x`).join(', ') };
}

// The picture at its natural size, which its place gives; sized before it loads, so that
// nothing moves when it arrives. A border grows the picture's element around it. One hidden at
// the start (a shield, a tombstone) is fetched when it first shows, not with the first view.
function picture(control) {
    const image = document.createElement('img');
    if (!control.visible) image.loading = 'lazy';
    Object.assign(image, pictureSources(control.picture));
    image.width = control.rect[2] / kTwipsPerPixel;
    image.height = control.rect[3] / kTwipsPerPixel;
    image.alt = '';
    image.draggable = false;
    // Words drawn in one dark ink: on a dark window they take a light one.
    image.classList.toggle('words', has(control, kWordPicture));
    return image;
}

function createElement(control) {
    let element;
    switch (control.kind) {
    case 'Form':
        element = document.createElement('div');
        element.className = 'form';
        break;
    case 'Frame': {
        element = document.createElement('fieldset');
        const legend = document.createElement('legend');
        legend.textContent = control.caption.trim();
        element.append(legend);
        break;
    }
    case 'Label':
        element = document.createElement(has(control, kClickable) ? 'button' : 'span');
        element.textContent = control.caption;
        break;
    case 'Picture':
        if (has(control, kClickable)) {
            element = document.createElement('button');
            element.append(picture(control));
        } else {
            element = picture(control);
        }
        break;
    case 'CheckBox':
        element = document.createElement('input');
        element.type = 'checkbox';
        element.disabled = true; // only the model sets the world flags
        break;
    case 'OptionButton':
        element = document.createElement('input');
        element.type = 'radio';
        element.name = control.name;
        break;
    case 'CommandButton':
        element = document.createElement('button');
        element.textContent = control.caption;
        break;
    case 'TextBox':
        element = document.createElement('input');
        element.type = 'text';
        element.inputMode = 'numeric';
        element.autocomplete = 'off';
        if (control.maxLength > 0) element.maxLength = control.maxLength;
        break;
    default:
        element = document.createElement('div');
    }
    if (element.tagName === 'BUTTON') element.type = 'button';
    element.dataset.control = control.control;
    element.dataset.kind = control.kind;
    element.classList.toggle('bordered', control.border);
    element.classList.toggle('centred', control.centred);
    element.hidden = !control.visible;
    const [left, top, width, height] = control.rect;
    element.style.setProperty('--left', left / kTwipsPerPixel);
    element.style.setProperty('--top', top / kTwipsPerPixel);
    element.style.setProperty('--width', width / kTwipsPerPixel);
    element.style.setProperty('--height', height / kTwipsPerPixel);
    const name = control.accessibleName;
    if (element.tagName === 'IMG') {
        element.alt = name;
    } else if (name !== '' && control.kind !== 'Frame' && control.kind !== 'Form') {
        // A shown caption stays the name, so that a spoken command finds it ("Savegame 1"); the
        // model's name ("Save slot 1") then describes it.
        const caption = control.caption.trim();
        element.setAttribute(caption !== '' && !name.includes(caption) ? 'aria-description' : 'aria-label', name);
    }
    if (control.toolTip) element.title = control.toolTip;
    return element;
}

export class MainWindow {
    #model;
    #root;
    #controls = new Map(); // control name -> { layout, element }
    #onTrigger;

    // `onTrigger` opens the credits window when a counter box's keys spell the trigger word.
    constructor(model, root, onTrigger) {
        this.#model = model;
        this.#root = root;
        this.#onTrigger = onTrigger;
        this.#build(model.layout());
        model.onChange(() => this.refresh());
        this.refresh();
        this.#fitFrames();
        window.addEventListener('resize', () => this.#fitFrames());
    }

    // On a narrow screen each frame stands alone in the column: it grows by up to half, so that
    // its small controls become targets a finger can hit, but never beyond the screen's width.
    #fitFrames() {
        const room = this.#root.clientWidth - 2;
        for (const { layout, element } of this.#controls.values()) {
            if (layout.kind !== 'Frame') continue;
            const width = layout.rect[2] / kTwipsPerPixel;
            element.style.setProperty('--frame-sx', Math.min(kMostGrowth, room / width).toFixed(3));
        }
    }

    element(control) {
        return this.#controls.get(control)?.element ?? null;
    }

    #build(layout) {
        const byName = new Map();
        const ordered = [...layout].sort((a, b) => (a.tabIndex < 0) - (b.tabIndex < 0) || a.tabIndex - b.tabIndex);
        for (const control of layout) {
            const element = createElement(control);
            byName.set(control.control, element);
            this.#controls.set(control.control, { layout: control, element });
        }
        // Tab order follows document order: each container takes its children in tab order.
        for (const control of ordered) {
            const element = byName.get(control.control);
            const parent = control.kind === 'Form' ? this.#root : byName.get(control.frame || 'Form1') ?? this.#root;
            parent.append(element);
            this.#connect(control, element);
        }
    }

    #connect(control, element) {
        const { index } = control;
        if (control.kind === 'TextBox') {
            this.#connectCounter(index, element);
        } else if (has(control, kClickable)) {
            element.addEventListener('click', () => this.#model.click(control.control));
        }
    }

    #connectCounter(box, input) {
        input.addEventListener('click', () => this.#model.click(`Text1(${box})`));
        // The model sees each typed character before the box takes it, and may refuse it.
        input.addEventListener('beforeinput', (event) => {
            if (event.inputType !== 'insertText' || event.data === null) return;
            let taken = '';
            for (const character of event.data) {
                // A character past one byte is typed as '?', as src/gui/CounterPanel.cpp types it.
                const code = character.codePointAt(0) > 0xff ? 0x3f : character.codePointAt(0);
                const { keyCode, trigger } = this.#model.keyPress(box, code);
                if (keyCode !== 0) taken += String.fromCharCode(keyCode);
                if (trigger) this.#onTrigger();
            }
            if (taken !== event.data) {
                event.preventDefault();
                if (taken !== '') {
                    input.setRangeText(taken, input.selectionStart, input.selectionEnd, 'end');
                    this.#edited(box, input);
                }
            }
        });
        input.addEventListener('input', () => this.#edited(box, input));
    }

    #edited(box, input) {
        // Refused, the box shows the model's text again, which has not changed.
        if (!this.#model.textChange(box, input.value)) this.refresh({ all: true });
    }

    // Draws the controls the model changed since the last drawing, or every control.
    refresh({ all = false } = {}) {
        const focused = document.activeElement;
        const states = all ? this.#model.snapshot() : this.#model.changes();
        for (const [control, [text, flags, name]] of Object.entries(states)) {
            const entry = this.#controls.get(control);
            if (entry === undefined) continue;
            const { layout, element } = entry;
            element.hidden = (flags & kVisible) === 0;
            element.classList.toggle('bordered', (flags & kBorder) !== 0);
            element.classList.toggle('red', (flags & kRedText) !== 0);
            if (layout.kind === 'CheckBox' || layout.kind === 'OptionButton') {
                element.checked = (flags & kChecked) !== 0;
            } else if (layout.kind === 'TextBox') {
                // Rewriting an unchanged text would move the caret under the user's fingers.
                if (element.value !== text) element.value = text;
            } else if (text !== null && element.textContent !== text) {
                element.textContent = text;
            }
            if (has(layout, kPressable)) {
                const pressed = String((flags & kBorder) !== 0);
                if (element.getAttribute('aria-pressed') !== pressed) element.setAttribute('aria-pressed', pressed);
            }
            // Only what changed, so that a click redraws a few nodes and not the whole window.
            if (name !== null && element.getAttribute('aria-label') !== name) element.setAttribute('aria-label', name);
        }
        this.#keepFocus(focused);
    }

    // A picture that hid while it had the focus (a shield or warrior stepped on) hands the focus
    // to the picture shown in its place, so that the keyboard can step it again.
    #keepFocus(focused) {
        const control = focused?.dataset?.control;
        const was = control === undefined ? undefined : this.#controls.get(control);
        if (was === undefined || !was.element.hidden) return;
        const [left, top] = was.layout.rect;
        for (const { layout, element } of this.#controls.values()) {
            if (!element.hidden && layout.frame === was.layout.frame && layout.rect[0] === left && layout.rect[1] === top) {
                element.focus();
                return;
            }
        }
    }
}
