// What the page calls each control for screen readers and tooltips, in the desktop window's
// words. The pictures' own descriptions come from the model's layout.
const kCounters = ['Arrows', 'Coins', 'Keys'];
const kValues = ['Upper vitality', 'Upper experience', 'Lower vitality', 'Lower experience'];

// The accessible name of a control that keeps it for the whole run, or null.
export function fixedName(control) {
    const { name, index, description } = control;
    switch (name) {
    case 'Text1':
        return kCounters[index];
    case 'Option1':
        return `Step ${kValues[index].toLowerCase()}`;
    case 'Command1':
        return ['Decrease', 'Increase'][index]; // the captions "-" and "+" say little when read out
    case 'Check1':
        return `World ${Math.floor(index / 4) + 1}, flag ${(index % 4) + 1}: ${description}`;
    case 'Image6':
        return `Flag ${index + 1}: ${description}`;
    case 'Image8':
        return 'select all';
    case 'Image2':
        return 'a quiver of arrows';
    case 'Image1':
        return 'a gold coin';
    case 'Image3':
        return 'a key';
    case 'Image7':
        return `VIT above EXP, ${['upper', 'lower'][index]} pair`;
    default:
        return description || null;
    }
}

// The accessible name of a control as the model's state makes it, or null when it has none
// beyond its fixed one.
export function stateName(control, text, flags) {
    const border = (flags & 2) !== 0;
    switch (control.name) {
    case 'Image4':
        return control.index < 37 ? `${control.description}, ${border ? 'carried' : 'not carried'}` : null;
    case 'Image5':
        return border ? `${control.description}, playing` : control.description;
    case 'Label1':
        return `${kValues[control.index]}: ${text}`;
    case 'Label3':
        return `World ${control.index + 1}: ${text}`;
    default:
        return null;
    }
}
