// The web edition in headless Chromium: the page against the native model, its slots, share
// links, offline use, accessibility and the phone layout.
// Usage: node page.test.mjs SITE_DIR NATIVE_SEQUENCE_PASSWORDS SEQUENCES_FILE
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { startServer } from '../tools/serve.mjs';
import { control, launchBrowser, openPage, shownPassword } from './browser.mjs';

const [site, nativeProgram, sequencesFile] = process.argv.slice(2);
const axeSource = await readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

let server;
let chromium;
let url;
before(async () => {
    server = await startServer(site);
    url = `http://127.0.0.1:${server.address().port}/`;
    chromium = await launchBrowser();
});
after(async () => {
    await chromium?.close();
    server?.close();
});

// Each sequence's actions and the password the native model ends on.
function sequences() {
    const expected = new Map(execFileSync(nativeProgram, [sequencesFile], { encoding: 'utf8' })
        .trim().split('\n').map((line) => line.split('\t')));
    return readFileSync(sequencesFile, 'utf8').split('\n').filter((line) => line !== '' && !line.startsWith('#')).map((line) => {
        const colon = line.indexOf(':');
        const name = line.slice(0, colon);
        return { name, actions: line.slice(colon + 1).trim().split(/\s+/u).filter(Boolean), expected: expected.get(name) };
    });
}

async function menu(page, command) {
    await page.$eval(`[data-command="${command}"]`, (button) => button.closest('details').open = true);
    await page.click(`[data-command="${command}"]`);
}

async function play(page, action) {
    const [verb, ...rest] = action.split(':');
    const argument = rest.join(':');
    switch (verb) {
    case 'click':
        await page.click(control(argument));
        break;
    case 'type': {
        const [box, keys] = [argument.slice(0, argument.indexOf(':')), argument.slice(argument.indexOf(':') + 1)];
        await page.click(control(`Text1(${box})`));
        await page.keyboard.type(keys);
        break;
    }
    case 'save':
        await page.click(control(`Command2(${Number(argument) - 1})`));
        break;
    case 'load':
        await page.click(control(`Command3(${Number(argument) - 1})`));
        break;
    case 'undo':
    case 'redo':
        await menu(page, verb);
        break;
    case 'new':
        await menu(page, 'newGame');
        break;
    case 'everything':
        await menu(page, 'everything');
        break;
    case 'enter':
        await menu(page, 'enterPassword');
        await page.type('#entryInput', argument);
        await page.click('#entryLoad');
        break;
    default:
        throw new Error(`unknown action ${action}`);
    }
}

test('each action sequence ends on the native model\'s password', { timeout: 120000 }, async () => {
    for (const sequence of sequences()) {
        const { page, context } = await openPage(chromium.browser, url);
        for (const action of sequence.actions) {
            await play(page, action).catch((error) => assert.fail(`${sequence.name}, ${action}: ${error.message}`));
        }
        assert.equal(await shownPassword(page), sequence.expected, sequence.name);
        await context.close();
    }
});

test('slots survive a reload, download as the desktop\'s file and open from one', async () => {
    const { page, context } = await openPage(chromium.browser, url);
    await page.click(control('Label3(6)'));
    await page.click(control('Image4(12)'));
    const saved = await shownPassword(page);
    await page.click(control('Command2(2)'));
    await page.reload();
    await page.waitForSelector('html[data-ready="true"]');
    await menu(page, 'newGame');
    assert.notEqual(await shownPassword(page), saved);
    await page.click(control('Command3(2)'));
    assert.equal(await shownPassword(page), saved);

    // Download slot 3: the password and CR LF, named as the desktop names it.
    const downloads = await mkdtemp(join(tmpdir(), 'quandrel-downloads-'));
    const session = await chromium.browser.target().createCDPSession();
    await session.send('Browser.setDownloadBehavior',
        { behavior: 'allow', downloadPath: downloads, eventsEnabled: true, browserContextId: context.id });
    const done = new Promise((resolve) => session.on('Browser.downloadProgress', (e) => e.state === 'completed' && resolve()));
    await menu(page, 'downloadSlotFile');
    await page.select('#slotNumber', '3');
    await page.click('#slotOk');
    await done;
    assert.deepEqual(await readFile(join(downloads, 'sgame03.txt')), Buffer.from(`${saved}\r\n`, 'latin1'));

    // Open a slot file made elsewhere: it goes into the slot its name says, and loads.
    await menu(page, 'everything');
    const everything = await shownPassword(page);
    await menu(page, 'newGame');
    const file = join(downloads, 'sgame05.txt');
    await writeFile(file, `${everything}\r\n`, 'latin1');
    const [chooser] = await Promise.all([page.waitForFileChooser(), menu(page, 'openSlotFile')]);
    await chooser.accept([file]);
    await page.waitForSelector('#slotDialog[open]');
    assert.equal(await page.$eval('#slotNumber', (s) => s.value), '5');
    await page.click('#slotOk');
    // The load above created slot 5 with the first password: replacing it is asked first.
    await page.waitForSelector('#replaceDialog[open]');
    await page.click('#replaceOk');
    await page.waitForFunction((p) => [...document.querySelectorAll('[data-control^="Label6("]')].map((l) => l.textContent).join('') === p, {}, everything);
    await rm(downloads, { recursive: true, force: true });
    await context.close();
});

test('a share link opens its state; one that does not check opens the entry dialog', { timeout: 60000 }, async () => {
    const first = await openPage(chromium.browser, url);
    await first.page.click(control('Label3(2)'));
    await first.page.click(control('Image5(1)'));
    const password = await shownPassword(first.page);
    await first.page.waitForFunction((p) => location.hash === `#${p}`, {}, password);
    const link = first.page.url();
    assert.ok(link.endsWith(`#${password}`));
    await first.context.close();

    const opened = await openPage(chromium.browser, link);
    assert.equal(await shownPassword(opened.page), password);
    await opened.context.close();

    // One character mistyped as its look-alike: the dialog offers the password back.
    const kLookAlike = { U: 'V', V: 'U', 0: 'O', O: '0', 1: 'I', I: '1', 5: 'S', S: '5', 8: 'B', B: '8', 2: 'Z', Z: '2' };
    const at = [...password].findIndex((c) => c in kLookAlike);
    const typo = password.slice(0, at) + kLookAlike[password[at]] + password.slice(at + 1);
    const broken = await openPage(chromium.browser, `${url}#${typo}`);
    await broken.page.waitForSelector('#entryDialog[open]');
    const offered = await broken.page.$$eval('.correction', (buttons) => buttons.map((b) => b.textContent.replaceAll(' ', '')));
    assert.ok(offered.includes(password), `corrections ${offered} lack ${password}`);
    // Chosen, the correction replaces the typo in the box, and it loads.
    const choice = offered.indexOf(password);
    await broken.page.$$eval('.correction', (buttons, i) => buttons[i].click(), choice);
    assert.equal(await broken.page.$eval('#entryInput', (input) => input.value), password);
    await broken.page.click('#entryLoad');
    await broken.page.waitForSelector('#entryDialog:not([open])');
    assert.equal(await shownPassword(broken.page), password);
    await broken.context.close();
});

test('undo at the start takes nothing back, and a save then holds the whole password', { timeout: 60000 }, async () => {
    const { page, context } = await openPage(chromium.browser, url);
    const start = await shownPassword(page);
    assert.equal(await page.$eval('[data-command="undo"]', (b) => b.disabled), true);
    await page.keyboard.down('Control');
    await page.keyboard.press('z');
    await page.keyboard.up('Control');
    assert.equal(await shownPassword(page), start);
    await page.click(control('Command2(4)'));
    assert.equal(await page.evaluate(() => localStorage.getItem('quandrel/sgame05.txt')), `${start}\r\n`);
    await page.reload();
    await page.waitForSelector('html[data-ready="true"]');
    await menu(page, 'everything');
    await page.click(control('Command3(4)'));
    assert.equal(await shownPassword(page), start);
    await context.close();
});

test('no link stops the page: a bad escape is read as typed, a huge one is cut first', { timeout: 120000 }, async () => {
    const links = [
        { name: 'a stray percent', hash: 'UR3Q%', typed: 'UR3Q%' },
        { name: 'an escape cut short', hash: '%E0%A4%A', typed: '%E0%A4%A' },
        { name: 'about 1.3 MB', hash: 'UR3Q'.repeat(330000), typed: 'UR3Q'.repeat(50) },
    ];
    for (const link of links) {
        const { page, context } = await openPage(chromium.browser, `${url}#${link.hash}`);
        await page.waitForSelector('#entryDialog[open]');
        assert.equal(await page.$eval('#entryInput', (input) => input.value), link.typed, link.name);
        await page.click('#entryDialog button[value="cancel"]');
        // The window still works, and a bad address typed later throws nothing either.
        await page.click(control('Image4(2)'));
        const shown = await shownPassword(page);
        assert.equal(shown.length, 45, link.name);
        await page.waitForFunction((p) => location.hash === `#${p}`, {}, shown);
        await page.evaluate(() => { location.hash = '%E0%A4%A'; });
        await page.waitForSelector('#entryDialog[open]');
        await context.close();
    }
});

test('a file that holds no password never reaches its slot', { timeout: 120000 }, async () => {
    const { page, context } = await openPage(chromium.browser, url);
    await menu(page, 'everything');
    const kept = await shownPassword(page);
    await page.click(control('Command2(1)'));
    const folder = await mkdtemp(join(tmpdir(), 'quandrel-files-'));
    const files = [
        { name: 'picture.png', bytes: Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0, 0, 0, 13]), says: 'holds no valid password' },
        { name: 'letter.txt', bytes: Buffer.from('Dear diary, today the weather was fine.\n'), says: 'holds no valid password' },
        { name: 'empty.txt', bytes: Buffer.alloc(0), says: 'the file is empty' },
        { name: 'huge.txt', bytes: Buffer.alloc(10 * 1024 * 1024, 'A'), says: 'too big' },
    ];
    for (const file of files) {
        const path = join(folder, file.name);
        await writeFile(path, file.bytes);
        const [chooser] = await Promise.all([page.waitForFileChooser(), menu(page, 'openSlotFile')]);
        await chooser.accept([path]);
        await page.waitForSelector('#slotDialog[open]');
        await page.select('#slotNumber', '2');
        await page.click('#slotOk');
        await page.waitForSelector('#messageDialog[open]');
        const message = await page.$eval('#messageText', (p) => p.textContent);
        assert.ok(message.includes(file.says) && message.includes(file.name), `${file.name}: ${message}`);
        assert.ok(!/could not save|storage|position \d+ in its group/u.test(message), `${file.name}: ${message}`);
        await page.click('#messageDialog button');
        assert.equal(await page.evaluate(() => localStorage.getItem('quandrel/sgame02.txt')), `${kept}\r\n`, file.name);
    }
    await rm(folder, { recursive: true, force: true });
    await context.close();
});

test('Enter steps the shield place, and the focus stays on the picture it shows', { timeout: 60000 }, async () => {
    const { page, context } = await openPage(chromium.browser, url);
    const shownShield = () => page.$$eval('[data-control^="Image4("]', (pictures) => pictures
        .filter((p) => Number(p.dataset.control.slice(7, -1)) >= 37 && !p.hidden).map((p) => p.dataset.control));
    const [first] = await shownShield();
    await page.focus(control(first));
    const before = await shownPassword(page);
    for (let press = 1; press <= 3; ++press) {
        await page.keyboard.press('Enter');
        const focused = await page.evaluate(() => document.activeElement?.dataset.control ?? document.activeElement?.tagName);
        assert.deepEqual([focused], await shownShield(), `press ${press}`);
    }
    assert.notEqual(await shownPassword(page), before);
    await context.close();
});

// The menus' and dialogs' words are the model's: the markup leaves them empty.
test('the menus and the entry dialog show the model\'s words', { timeout: 60000 }, async () => {
    const { page, context } = await openPage(chromium.browser, url);
    const shown = await page.$$eval('[data-command], [data-menu]', (elements) => elements
        .map((element) => [element.dataset.command ?? element.dataset.menu, element.textContent]));
    assert.deepEqual(Object.fromEntries(shown), {
        game: 'Game', enterPassword: 'Enter password…', newGame: 'New game', everything: 'Everything',
        openSlotFile: 'Open slot file…', downloadSlotFile: 'Download slot file…',
        edit: 'Edit', undo: 'Undo', redo: 'Redo', copyPassword: 'Copy password', pastePassword: 'Paste password…',
        copyLink: 'Copy link', help: 'Help', keyboardShortcuts: 'Keyboard shortcuts…',
    });
    await menu(page, 'enterPassword');
    assert.equal(await page.$eval('#entryLoad', (button) => button.textContent), 'Load');
    await context.close();
});

// Words from the desktop's tooltips (tests/gui checks the same), which the binding hands over.
test('each control\'s title is the desktop\'s tooltip', { timeout: 60000 }, async () => {
    const { page, context } = await openPage(chromium.browser, url);
    const cases = [
        ['Command3(0)', 'Load the password saved in sgame01.txt. Missing slot files are first created holding a new '
            + 'game, so a slot never saved loads a new game.'],
        ['Command2(4)', 'Save the password to sgame05.txt, replacing what the slot held.'],
        ['Image8', 'Select all: marks or clears every object'],
        ['Label1(3)', 'Lower experience, 0 to 6. Choose its row, then step it with - and +.'],
        ['Text1(0)', 'Arrows: three digits, 000 to 999. Click to empty the box, then type the new number.'],
    ];
    for (const [name, words] of cases) {
        assert.equal(await page.$eval(control(name), (element) => element.title), words, name);
    }
    await context.close();
});

test('the trigger word typed into a counter box opens the credits window; a key closes it', { timeout: 60000 }, async () => {
    const { page, context } = await openPage(chromium.browser, url);
    const before = await shownPassword(page);
    await page.click(control('Text1(1)'));
    await page.keyboard.type('trevanox');
    await page.waitForSelector('#creditsDialog[open]');
    await page.waitForFunction(() => parseInt(document.querySelector('#creditsDialog img').style.top, 10) < -2);
    await page.keyboard.press('q');
    await page.waitForSelector('#creditsDialog:not([open])');
    // The letters themselves never reach the box: the counter is as the click left it.
    assert.equal(await page.$eval(control('Text1(1)'), (box) => box.value), '');
    assert.notEqual(await shownPassword(page), '');
    assert.equal((await shownPassword(page)).length, before.length);
    await context.close();
});

test('a second visit works offline', { timeout: 60000 }, async () => {
    const { page, context } = await openPage(chromium.browser, url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();
    await page.waitForSelector('html[data-ready="true"]');
    assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));
    await page.setOfflineMode(true);
    await page.reload();
    await page.waitForSelector('html[data-ready="true"]');
    await page.click(control('Image4(2)'));
    assert.equal((await shownPassword(page)).length, 45);
    // A shield, hidden at the start and so fetched only when it first shows, comes from the cache.
    // (The object click has moved the shield cycle to its first step, which shows no shield.)
    await page.click(control('Image4(40)'));
    await page.click(control('Image4(40)'));
    assert.ok(await page.$eval(control('Image4(37)'), (e) => !e.hidden));
    await page.waitForFunction(() => [...document.querySelectorAll('img')]
        .filter((i) => !i.closest('[hidden]') && !i.closest('dialog'))
        .every((i) => i.complete && i.naturalWidth > 0), { timeout: 10000 }).catch(() => assert.fail('a picture not drawn offline'));
    await context.close();
});

for (const scheme of ['light', 'dark']) {
    test(`axe finds no accessibility violations (${scheme})`, { timeout: 60000 }, async () => {
        const { page, context } = await openPage(chromium.browser, url);
        await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
        await page.click(control('Label3(4)'));
        await page.addScriptTag({ content: axeSource });
        const check = () => page.evaluate(async () => (await window.axe.run(document)).violations
            .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
        assert.deepEqual(await check(), []);
        await menu(page, 'enterPassword');
        await page.type('#entryInput', 'ABCD-O0');
        assert.deepEqual(await check(), []);
        await context.close();
    });
}

// The drawings lie on the window itself in either scheme: each keeps its soft edges as alpha
// (no ground of another colour around it), and the words' ink reads on the window.
for (const scheme of ['light', 'dark']) {
    test(`pictures lie on the ${scheme} window with soft edges, and the words read`, { timeout: 60000 }, async () => {
        const { page, context } = await openPage(chromium.browser, url);
        await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
        const problems = await page.evaluate(async () => {
            const found = [];
            const channels = (css) => css.match(/[\d.]+/gu).map(Number);
            const luminance = (rgb) => {
                const [r, g, b] = rgb.map((v) => {
                    const c = v / 255;
                    return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
                });
                return 0.2126 * r + 0.7152 * g + 0.0722 * b;
            };
            const contrast = (a, b) => {
                const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
                return (light + 0.05) / (dark + 0.05);
            };
            const windowColour = channels(getComputedStyle(document.body).backgroundColor).slice(0, 3);
            const images = [...document.querySelectorAll('#window img')].filter((i) => !i.closest('[hidden]'));
            await Promise.all(images.map((i) => i.decode()));
            for (const image of images) {
                const name = image.closest('[data-control]').dataset.control;
                const holder = image.closest('[data-kind="Picture"]');
                if (channels(getComputedStyle(holder).backgroundColor)[3] !== 0) found.push(`${name} has a ground`);
                const canvas = document.createElement('canvas');
                canvas.width = image.naturalWidth;
                canvas.height = image.naturalHeight;
                const drawing = canvas.getContext('2d', { willReadFrequently: true });
                drawing.filter = getComputedStyle(image).filter;
                drawing.drawImage(image, 0, 0);
                const pixels = drawing.getImageData(0, 0, canvas.width, canvas.height).data;
                const ink = [0, 0, 0];
                let soft = 0;
                let opaque = 0;
                for (let at = 0; at < pixels.length; at += 4) {
                    if (pixels[at + 3] > 0 && pixels[at + 3] < 255) ++soft;
                    if (pixels[at + 3] === 255) {
                        ++opaque;
                        for (let c = 0; c < 3; ++c) ink[c] += pixels[at + c];
                    }
                }
                if (soft === 0) found.push(`${name} has no soft edges`);
                if (image.classList.contains('words')) {
                    const seen = ink.map((total) => total / opaque);
                    if (contrast(seen, windowColour) < 4.5) found.push(`${name}'s words ${seen} do not read on ${windowColour}`);
                }
            }
            if (!images.some((i) => i.classList.contains('words'))) found.push('no word pictures');
            return found;
        });
        assert.deepEqual(problems, []);
        await context.close();
    });
}

test('at 390 x 844 no control is clipped or overlapped, and targets are 24 px or more', { timeout: 60000 }, async () => {
    const { page, context } = await openPage(chromium.browser, url, { viewport: { width: 390, height: 844, isMobile: true, hasTouch: true } });
    const problems = await page.evaluate(() => {
        const found = [];
        const width = document.documentElement.clientWidth;
        const shown = [...document.querySelectorAll('#window [data-control]')]
            .filter((e) => e.getClientRects().length > 0 && e.dataset.kind !== 'Form');
        const box = (e) => e.getBoundingClientRect();
        for (const e of shown) {
            const r = box(e);
            if (r.left < 0 || r.right > width) found.push(`${e.dataset.control} clipped at ${r.left}..${r.right}`);
            const frame = e.parentElement.closest('fieldset');
            if (frame) {
                const f = box(frame);
                if (r.left < f.left || r.right > f.right || r.top < f.top || r.bottom > f.bottom) found.push(`${e.dataset.control} outside its frame`);
            }
            const target = e.matches('button, input:not([disabled])');
            if (target && (r.width < 24 || r.height < 24)) found.push(`${e.dataset.control} is ${r.width}x${r.height}`);
        }
        const inFrame = shown.filter((e) => e.dataset.kind !== 'Frame');
        for (let i = 0; i < inFrame.length; ++i) {
            for (let j = i + 1; j < inFrame.length; ++j) {
                const a = box(inFrame[i]);
                const b = box(inFrame[j]);
                if (a.left < b.right - 0.5 && b.left < a.right - 0.5 && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5) {
                    found.push(`${inFrame[i].dataset.control} overlaps ${inFrame[j].dataset.control}`);
                }
            }
        }
        const frames = shown.filter((e) => e.dataset.kind === 'Frame');
        for (let i = 0; i < frames.length; ++i) {
            for (let j = i + 1; j < frames.length; ++j) {
                const a = box(frames[i]);
                const b = box(frames[j]);
                if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom) {
                    found.push(`${frames[i].dataset.control} overlaps ${frames[j].dataset.control}`);
                }
            }
        }
        return found;
    });
    assert.deepEqual(problems, []);
    await context.close();
});
