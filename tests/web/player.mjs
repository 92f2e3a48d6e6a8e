// Plays the shared user scenarios (tests/scenarios/scenarios.h, as JSON) on
// the page in Chromium, Firefox and WebKit with real input, then the page's
// own scenarios (keys that land in one turn, failures that must reach the
// run-time error report) and checks: the accessibility tree, fonts that
// travel, windows that leave nothing behind, offline use and installability,
// updates behind a caching server, a program file that does not arrive, and
// a seeded random session over both windows.
//
//   node player.mjs SITE SCENARIOS.json [--engines chromium,firefox,webkit] [--screenshots DIR] [--only REGEX]
//
// --only plays just the scenarios and checks whose titles match.

import { spawn, execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { appendFileSync, cpSync, mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, relative } from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';

import { ENGINES } from './engines.mjs';

const ROOT = join(dirname(fileURLToPath(import.meta.url)), '../..');
const TIMEOUT_MS = 10000;
const RANDOM_STEPS = 300;
// The page as wide as a desktop window, and as a phone held upright.
const ARRANGEMENTS = [{name: 'designed', width: 1000, height: 800}, {name: 'phone', width: 390, height: 844}];
// As on the desktop: one seed unless ORVANTA_MONKEY_SEED names another.
const RANDOM_SEED = BigInt(process.env.ORVANTA_MONKEY_SEED ?? '20240611');

// What the page shows, read from its elements: no function of the program
// is called.
function read(what, target) {
    const [windowName, name] = target.includes('.') ? target.split('.') : ['Main', target];
    const win = document.querySelector(`.window[data-window="${windowName}"]`);
    const el = win && win.querySelector(`.client [data-name="${name}"]`);
    switch (what) {
    case 'text': return el.value;
    case 'caption': return el.textContent;
    case 'tip': return el.getAttribute('title') || '';
    case 'focus': {
        const a = document.activeElement, w = a && a.closest('.window');
        if (!w || !a.dataset.name) return '(none)';
        return (w.dataset.window === 'Main' ? '' : w.dataset.window + '.') + a.dataset.name; }
    case 'default': { const b = win.querySelector('.client button.default'); return b ? b.dataset.name : ''; }
    case 'windows': return [...document.querySelectorAll('.window:not([hidden])')].map(w => w.dataset.window)
                         .filter(n => n !== 'MsgBox').join('+');
    case 'box': { const b = document.querySelector('.messagebox');
        return b && [b.querySelector('#msgbox-prompt').textContent, b.querySelector('.title').textContent,
                     (b.querySelector('.body img') || {}).src || '', b.querySelectorAll('button:not(.close)').length]; }
    case 'ended': return [!!document.querySelector('.ended'), document.querySelectorAll('.window').length];
    case 'status': return [typeof Module === 'object' ? Module.orvantaExitStatus ?? null : null,
                           (document.querySelector('.ended, .notice') || {}).textContent || ''];
    case 'failures': return typeof Module === 'object' ? Module.orvantaFailures || [] : ['no Module'];
    case 'menu': return document.querySelector(`.menubar [data-name="${target}"]`)
                            .closest('.popup').previousElementSibling.dataset.name;
    case 'shortcut': return document.querySelector(`.menubar [data-name="${target}"] .shortcut`).textContent;
    case 'tabOf': return [...document.querySelectorAll(`#${target} > .tabs > [role=tab]`)]
                         .findIndex(tab => tab.getAttribute('aria-selected') === 'true');
    }
    return undefined;
}

// Presses keys one after the other within one turn of the page's event
// loop, as a fast typist or a stuck key can: nothing the first key queued
// has run when the second arrives.
function pressTogether(keys) {
    for (const key of keys) {
        const target = document.activeElement || document.body;
        target.dispatchEvent(new KeyboardEvent('keydown', {key, bubbles: true, cancelable: true}));
        target.dispatchEvent(new KeyboardEvent('keyup', {key, bubbles: true, cancelable: true}));
    }
}

// Makes the next use of a DOM operation the program relies on fail. The
// next focus() of an element throws the named failure at once: a DOM
// exception, a JavaScript error, or a WebAssembly trap. Writing an input
// box's text from then on throws the engine's own TypeError, as a native
// function does when the page changed under it. (A failure thrown by a
// function the driver made counts as cross-origin in Chromium and fires no
// unhandledrejection event; the engine's own function behaves as the
// page's code does.)
function failNext(operation, kind) {
    if (operation === 'value') {
        const value = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
        Object.defineProperty(HTMLInputElement.prototype, 'value',
                              {...value, set: Object.getOwnPropertyDescriptor(Document.prototype, 'title').set});
        return;
    }
    const focus = HTMLElement.prototype.focus;
    HTMLElement.prototype.focus = function () {
        HTMLElement.prototype.focus = focus;
        if (kind === 'DOMException')
            throw new DOMException('The element cannot take the focus', 'InvalidStateError');
        if (kind === 'RuntimeError')
            throw new WebAssembly.RuntimeError('unreachable');
        throw new TypeError('the page changed under the program');
    };
}

// What a phone needs of the page: nothing to scroll sideways, every target
// a finger taps at least 24 pixels each way, and text at least 12 pixels.
function phoneFaults() {
    const faults = [];
    if (document.documentElement.scrollWidth > document.documentElement.clientWidth)
        faults.push(`${document.documentElement.scrollWidth - document.documentElement.clientWidth} pixels to scroll sideways`);
    const shown = element => element.offsetParent !== null && !element.closest('[hidden]');
    for (const target of document.querySelectorAll('.window button, .window input')) {
        const {width, height} = target.getBoundingClientRect();
        if (shown(target) && (width < 24 || height < 24))
            faults.push(`${target.dataset.name || target.className || target.textContent} is ${width}x${height}`);
    }
    for (const control of document.querySelectorAll('.window .control')) {
        const parent = control.offsetParent;
        if (shown(control) && parent && control.offsetLeft + control.offsetWidth > parent.clientWidth)
            faults.push(`${control.dataset.name} runs ${control.offsetLeft + control.offsetWidth - parent.clientWidth} pixels past its page`);
    }
    for (const element of document.querySelectorAll('.window *')) {
        const text = [...element.childNodes].some(n => n.nodeType === Node.TEXT_NODE && n.textContent.trim());
        const size = parseFloat(getComputedStyle(element).fontSize);
        if (text && shown(element) && size < 12)
            faults.push(`"${element.textContent.trim().slice(0, 20)}" at ${size}px`);
    }
    return faults;
}

// Where a control lies in the element it is placed on, in CSS pixels.
function placeOf(selector) {
    const element = document.querySelector(selector);
    return [element.offsetLeft, element.offsetTop, element.offsetWidth, element.offsetHeight].join(',');
}

const selectorOf = target => {
    const [windowName, name] = target.includes('.') ? target.split('.') : ['Main', target];
    return `.window[data-window="${windowName}"] .client [data-name="${name}"]`;
};

class Page {
    constructor(engine, url) {
        this.engine = engine;
        this.url = url;
    }

    read(what, target = '') {
        return this.engine.run(read, what, target);
    }

    async wait(condition, what) {
        const end = Date.now() + TIMEOUT_MS;
        for (;;) {
            if (await condition())
                return;
            if (Date.now() > end)
                throw new Error('timed out waiting for ' + (typeof what === 'function' ? await what() : what));
            await new Promise(resolve => setTimeout(resolve, 20));
        }
    }

    async expect(what, target, expected) {
        const same = value => JSON.stringify(value) === JSON.stringify(expected);
        await this.wait(async () => same(await this.read(what, target)),
                        async () => `${what} of ${target || 'the page'} to be ${JSON.stringify(expected)}` +
                                    ` (it is ${JSON.stringify(await this.read(what, target))})`);
    }

    async load(url = this.url) {
        await this.engine.open(url);
        await this.expect('focus', '', 'SSTab1');
    }

    async choose(item) {
        await this.engine.click(`.menubar .menu[data-name="${await this.read('menu', item)}"]`);
        await this.engine.click(`.menubar [data-name="${item}"]`);
    }

    // A message box with its title, its prompt (or the prompt's beginning)
    // and icon, and one button; answered unless `open`.
    async expectBox(title, prompt, icon, {open = false, promptStart = false} = {}) {
        await this.wait(async () => (await this.read('box'))?.[1] === title, `the box "${title}"`);
        const [shown, caption, image, buttons] = await this.read('box');
        const seen = [promptStart ? shown.startsWith(prompt) : shown === prompt, caption, image.endsWith(icon), buttons];
        if (JSON.stringify(seen) !== JSON.stringify([true, title, true, 1]))
            throw new Error(`the box shows ${JSON.stringify([shown, caption, image, buttons])}`);
        if (open)
            return;
        await this.engine.press('Return');
        await this.wait(async () => (await this.read('box')) === null, 'the box to close');
    }

    async step(op, target, text) {
        switch (op) {
        case 'ClickTab': return this.engine.click(`#${target}-${text}-tab`);
        case 'ClickInto':
        case 'Click': return this.engine.click(selectorOf(target));
        case 'Type': return this.engine.type(text);
        case 'Press': return this.engine.press(text);
        case 'Choose': return this.choose(target);
        case 'EndsBy': {
            if (target === 'Ctrl+Q')
                await this.engine.press('Ctrl+Q');
            else if (target === 'close Main')
                await this.engine.click('.window[data-window="Main"] .caption .close');
            else if (target === 'mnuExit')
                await this.choose(target);
            else
                await this.engine.click(selectorOf(target));
            await this.expect('ended', '', [true, 0]);
            const [status] = await this.read('status');
            if (status !== 0)
                throw new Error(`exit status ${status}`);
            return undefined;
        }
        case 'ExpectText': return this.expect('text', target, text);
        case 'ExpectCaption': return this.expect('caption', target, text);
        case 'ExpectTip': return this.expect('tip', target, text);
        case 'ExpectFocus': return this.expect('focus', target, target);
        case 'ExpectDefault': return this.expect('default', '', target);
        case 'ExpectWarning': return this.expectBox(target, text, 'warning.svg');
        case 'ExpectNoWarning': {
            if (await this.read('box') !== null)
                throw new Error('a message box is open');
            return undefined;
        }
        case 'ExpectWindows': return this.expect('windows', '', text);
        // The page's own steps.
        case 'PressTogether': return this.engine.run(pressTogether, text.split('+'));
        case 'FailNext': return this.engine.run(failNext, target, text);
        case 'ExpectWarningOpen': return this.expectBox(target, text, 'warning.svg', {open: true});
        case 'Resize': {
            const [width, height] = text.split('x').map(Number);
            await this.engine.resize(width, height);
            return this.wait(async () => (await this.engine.run(() => innerWidth)) === width, `a page ${width} wide`);
        }
        case 'ExpectTab': return this.expect('tabOf', target, Number(text));
        case 'ExpectPlace': return this.wait(async () => (await this.engine.run(placeOf, selectorOf(target))) === text,
                                             async () => `${target} at ${text} (it is at `
                                                         + `${await this.engine.run(placeOf, selectorOf(target))})`);
        case 'ExpectPhoneSized': return this.wait(async () => (await this.engine.run(phoneFaults)).length === 0,
                                                  async () => (await this.engine.run(phoneFaults)).slice(0, 5).join('; '));
        case 'AnswerWarnings': {
            // However many the keys before brought up: one, or two when the
            // engine ran the first key's effects before the second arrived.
            for (let answered = 0; await this.read('box') !== null; ++answered) {
                if (answered === 2)
                    throw new Error('a third warning');
                await this.expectBox(target, text, 'warning.svg');
            }
            return undefined;
        }
        case 'ExpectReport': {
            await this.expectBox('Orvanta', 'Run-time error:\n\n' + text, 'critical.svg', {promptStart: true});
            await this.expect('status', '', [70, 'Orvanta stopped after a run-time error. Start Orvanta again']);
            return undefined;
        }
        default:
            throw new Error('no such step in the player: ' + op);
        }
    }

    async play(steps) {
        await this.load();
        for (const [op, target, text] of steps) {
            try {
                await this.step(op, target, text);
            } catch (error) {
                throw new Error(`${op} ${target} ${JSON.stringify(text)}: ${error.message}`);
            }
        }
        const failures = await this.read('failures');
        // A failure the scenario expects has been reported by now; any
        // other is a fault.
        const expected = steps.some(([op]) => op === 'ExpectReport') ? 1 : 0;
        if (failures.length !== expected)
            throw new Error('run-time errors: ' + JSON.stringify(failures));
    }
}

// Lets what the last input queued run (a key's click comes a task later),
// then answers every message box it brought up.
async function settleAndAnswer(page) {
    const settle = () => page.engine.run(() => new Promise(done => setTimeout(() => setTimeout(done))));
    await settle();
    for (let boxes = 0; await page.read('box') !== null; ++boxes) {
        if (boxes === 3)
            throw new Error('message boxes keep coming');
        await page.engine.press('Return');
        await page.wait(async () => (await page.read('box')) === null, 'the box to close');
        await settle();
    }
}

// The random session of one seed (tests/scenarios/monkey.h), made by the
// host program that writes the scenario table. After every step the
// program must still run with no run-time error.
async function playRandomSession(page, scenarioTable, seed) {
    const [session] = JSON.parse(execFileSync(scenarioTable, ['--monkey', String(seed), String(RANDOM_STEPS)],
                                              {encoding: 'utf8'}));
    await page.load();
    for (const [index, [op, target, text]] of session.steps.entries()) {
        try {
            await page.step(op, target, text);
            if (op === 'EndsBy')
                continue;
            await settleAndAnswer(page);
            const failures = await page.read('failures');
            if (failures.length || (await page.read('ended'))[0])
                throw new Error('the program stopped: ' + JSON.stringify(failures));
        } catch (error) {
            throw new Error(`step ${index + 1}, ${op} ${target} ${JSON.stringify(text)}: ${error.message}`);
        }
    }
}

// The page's own scenarios, in the steps of the shared table and a few of
// its own: keys queued in one turn must not run a handler twice or on a
// window already gone, and whatever escapes a handler ends the program
// through the run-time error report.
const PAGE_SCENARIOS = [
    {name: 'Escape and Enter in one turn close the About box once',
     steps: [['Press', '', 'F2'], ['ExpectFocus', 'frmAbout.Command1'], ['PressTogether', '', 'Escape+Enter'],
             ['ExpectWindows', '', 'Main'], ['Press', '', 'F2'], ['PressTogether', '', 'Enter+Escape'],
             ['ExpectWindows', '', 'Main'], ['ClickInto', 'Meter1'], ['Type', '', '1'], ['Press', '', 'Return'],
             ['ExpectCaption', 'AnsFeet1', '10.7639 Feet\u00B2']]},
    {name: 'Escape and Enter in one turn on the warning leave the program running',
     steps: [['ClickInto', 'Meter2'], ['Type', '', 'x'], ['Press', '', 'Return'],
             ['ExpectWarningOpen', 'Invalid Number', 'The Number is invalid or less than Zero'],
             ['PressTogether', '', 'Escape+Enter'],
             ['AnswerWarnings', 'Invalid Number', 'The Number is invalid or less than Zero'],
             ['ExpectText', 'Meter2', ''], ['ExpectFocus', 'Meter2'],
             ['Type', '', '2'], ['Press', '', 'Return'], ['ExpectCaption', 'AnsFeet2', '21.5278 Feet\u00B2']]},
    {name: 'Enter twice in one turn on invalid text warns once',
     steps: [['ClickInto', 'Meter3'], ['Type', '', 'abc'], ['PressTogether', '', 'Enter+Enter'],
             ['ExpectWarning', 'Invalid Number', 'The Number is invalid or less than Zero'], ['ExpectNoWarning'],
             ['ExpectText', 'Meter3', ''], ['ExpectFocus', 'Meter3']]},
    {name: 'Alt and a menu\u2019s access key open it, and the item\u2019s access key chooses it',
     steps: [['ClickInto', 'Meter1'], ['Press', '', 'Alt+H'], ['Press', '', 'b'], ['ExpectWindows', '', 'Main+frmAbout'],
             ['ExpectFocus', 'frmAbout.Command1'], ['Click', 'frmAbout.Command1'], ['ExpectWindows', '', 'Main'],
             ['ExpectFocus', 'Meter1']]},
    {name: 'F2 and Escape in one turn leave the program running',
     steps: [['ClickInto', 'Meter1'], ['PressTogether', '', 'F2+Escape'], ['ExpectWindows', '', 'Main'],
             ['PressTogether', '', 'F2+F2'], ['ExpectWindows', '', 'Main+frmAbout'],
             ['Click', 'frmAbout.Command1'], ['ExpectWindows', '', 'Main']]},
    {name: 'a DOM exception in a click handler is reported and ends the program',
     steps: [['ClickInto', 'Meter1'], ['Type', '', '1'], ['FailNext', 'focus', 'DOMException'],
             ['Click', 'Command1'], ['ExpectReport', '', 'InvalidStateError: The element cannot take the focus']]},
    {name: 'a JavaScript error after Enter is reported and ends the program',
     steps: [['ClickTab', 'SSTab1', '1'], ['ClickInto', 'F1'], ['Type', '', '1'], ['FailNext', 'focus', 'TypeError'],
             ['Press', '', 'Return'], ['ExpectReport', '', 'TypeError: the page changed under the program']]},
    {name: 'a WebAssembly trap in a handler is reported and ends the program',
     steps: [['ClickInto', 'Meter5'], ['Type', '', '5'], ['FailNext', 'focus', 'RuntimeError'],
             ['Click', 'Command5'], ['ExpectReport', '', 'RuntimeError: unreachable']]},
    {name: 'an error once the warning is answered is reported and ends the program',
     steps: [['ClickInto', 'Meter1'], ['Type', '', 'abc'], ['FailNext', 'value', ''], ['Press', '', 'Return'],
             ['ExpectWarningOpen', 'Invalid Number', 'The Number is invalid or less than Zero'], ['Press', '', 'Return'],
             ['ExpectReport', '', 'TypeError: ']]},
    // Any resize or rotation keeps what every box holds, the results, the
    // current pages, the focus and an open box; the designed window comes
    // back exactly as designed.
    {name: 'narrowed and widened again, everything stays',
     steps: [['Resize', '', '1280x800'], ['ClickTab', 'SSTab1', '1'], ['ClickInto', 'F2'], ['Type', '', '5'],
             ['Press', '', 'Return'], ['ClickInto', 'F3'], ['Type', '', '7'], ['Choose', 'mnuAbout'],
             ['Resize', '', '390x844'], ['ExpectWindows', '', 'Main+frmAbout'], ['ExpectFocus', 'frmAbout.Command1'],
             ['ExpectPhoneSized'], ['ExpectCaption', 'S2', '.14 Meter\u00B3'], ['ExpectTip', 'S2', '.14 Meter\u00B3'],
             ['ExpectText', 'F3', '7'], ['ExpectTab', 'SSTab1', '1'], ['ExpectTab', 'SSTab3', '1'],
             ['Resize', '', '1280x800'], ['ExpectWindows', '', 'Main+frmAbout'], ['ExpectFocus', 'frmAbout.Command1'],
             ['ExpectPlace', 'F3', '32,120,137,25'], ['ExpectPlace', 'Command11', '512,448,113,33'],
             ['Press', '', 'Escape'], ['ExpectFocus', 'F3'], ['ExpectDefault', 'D3'], ['Press', '', 'Return'],
             ['ExpectCaption', 'S3', '.20 Meter\u00B3'], ['ExpectText', 'F2', '5']]},
    {name: 'a phone turned sideways and back, the warning open',
     steps: [['Resize', '', '390x844'], ['ClickTab', 'SSTab2', '1'], ['ClickInto', 'Feet4'], ['Type', '', '100'],
             ['Press', '', 'Return'], ['ExpectCaption', 'AnsMet4', '9.2900 Meter\u00B2'], ['ClickInto', 'Feet5'],
             ['Type', '', 'x'], ['Press', '', 'Return'],
             ['ExpectWarningOpen', 'Invalid Number', 'The Number is invalid or less than Zero'],
             ['Resize', '', '844x390'],
             ['ExpectWarningOpen', 'Invalid Number', 'The Number is invalid or less than Zero'],
             ['Resize', '', '390x844'], ['ExpectWarning', 'Invalid Number', 'The Number is invalid or less than Zero'],
             ['ExpectText', 'Feet5', ''], ['ExpectFocus', 'Feet5'], ['ExpectTab', 'SSTab2', '1'],
             ['ExpectCaption', 'AnsMet4', '9.2900 Meter\u00B2'], ['ExpectPhoneSized'],
             ['ClickTab', 'SSTab1', '1'], ['ClickTab', 'SSTab3', '0'], ['ExpectPhoneSized']]},
];

function axNodes(nodes) {
    return nodes.filter(node => !node.ignored).map(node => ({
        role: node.role?.value, name: node.name?.value ?? '', description: node.description?.value ?? '',
        props: Object.fromEntries((node.properties || []).map(p => [p.name, p.value?.value])),
    }));
}

function has(nodes, role, name, description, props = {}) {
    return nodes.some(n => n.role === role && (name === null || n.name === name)
                           && (description === null || n.description === description)
                           && Object.entries(props).every(([k, v]) => n.props[k] === v));
}

async function tree(engine) {
    return axNodes((await engine.cdp('Accessibility.getFullAXTree')).nodes);
}

// Chromium's accessibility tree: what a screen reader is told.
async function checkAccessibility(page) {
    const {engine} = page;
    await page.load();
    const expected = [
        ['menubar', null, null, {}],
        ['menuitem', 'File', null, {}],
        ['tablist', 'SSTab1', null, {}],
        ['tab', 'Square Meter and Square Feet', null, {selected: true}],
        ['tab', 'Meter\u00B2 to Feet\u00B2', null, {selected: true}],
        ['textbox', 'Square meters, row 3', null, {}],
        ['button', 'Convert', 'Convert row 3 to square feet', {}],
        ['button', 'EXIT', null, {}],
    ];
    const nodes = await tree(engine);
    for (const [role, name, description, props] of expected) {
        if (!has(nodes, role, name, description, props))
            throw new Error(`no ${role} ${name} ${description || ''} ${JSON.stringify(props)}`);
    }
    await engine.click(selectorOf('Meter3'));
    await engine.type('2.5');
    await engine.press('Return');
    await page.expect('caption', 'AnsFeet3', '26.90975 Feet\u00B2');
    if (!has(await tree(engine), 'status', null, '26.90975 Feet\u00B2', {live: 'polite'}))
        throw new Error('no polite live result');
    await page.choose('mnuAbout');
    await page.expect('windows', '', 'Main+frmAbout');
    if (!has(await tree(engine), 'dialog', 'About', null))
        throw new Error('no About dialog');
    await engine.click(selectorOf('frmAbout.Command1'));
    await engine.click(selectorOf('Meter3'));
    for (const key of ['End', 'Backspace', 'Backspace', 'Backspace', 'Backspace'])
        await engine.press(key);
    await engine.type('x');
    await engine.press('Return');
    await page.wait(async () => (await page.read('box')) !== null, 'the warning');
    if (!has(await tree(engine), 'alertdialog', 'Invalid Number', null, {modal: true}))
        throw new Error('no modal alert dialog');
    await engine.press('Escape');
}

// Opening and closing the About box leaves no listener or element behind.
async function checkNothingLeftBehind(page) {
    const {engine} = page;
    await page.load();
    const cycle = async () => {
        await engine.press('F2');
        await page.expect('windows', '', 'Main+frmAbout');
        await engine.press('Escape');
        await page.expect('windows', '', 'Main');
    };
    const counters = async () => {
        await engine.cdp('HeapProfiler.collectGarbage');
        return engine.cdp('Memory.getDOMCounters');
    };
    await cycle();
    const before = await counters();
    for (let i = 0; i < 40; ++i)
        await cycle();
    const after = await counters();
    if (after.nodes > before.nodes || after.jsEventListeners > before.jsEventListeners)
        throw new Error(`40 About boxes later: ${after.nodes - before.nodes} more nodes, `
                        + `${after.jsEventListeners - before.jsEventListeners} more listeners`);
}

// The design's faces arrive with the page: the window looks the same on
// every device.
async function checkFonts(page) {
    await page.load();
    const faces = await page.engine.run(async () => {
        await document.fonts.ready;
        return [...document.fonts].filter(f => f.status === 'loaded')
            .map(f => `${f.family.replace(/["']/g, '')} ${f.weight}`).sort();
    });
    const expected = ['Algerian 400', 'MS Sans Serif 400', 'MS Sans Serif 700'];
    if (JSON.stringify(faces) !== JSON.stringify(expected))
        throw new Error('faces loaded: ' + JSON.stringify(faces));
}

// Ctrl+Q quits Firefox before the page sees it: there the menu shows no key
// for Exit. Every engine shows F2 for About.
async function checkShortcuts(page) {
    await page.load();
    const shown = [await page.read('shortcut', 'mnuExit'), await page.read('shortcut', 'mnuAbout')];
    const expected = [page.engine.name === 'firefox' ? '' : 'Ctrl+Q', 'F2'];
    if (JSON.stringify(shown) !== JSON.stringify(expected))
        throw new Error('the menu shows ' + JSON.stringify(shown));
}

function serve(directory, extra = []) {
    return new Promise((resolve, reject) => {
        const server = spawn('python3', [join(ROOT, 'scripts/serve-web'), '0', '--no-build', '--directory', directory,
                                         ...extra], {stdio: ['ignore', 'pipe', 'inherit']});
        let output = '';
        server.stdout.on('data', chunk => {
            output += chunk;
            const found = output.match(/http:\/\/127\.0\.0\.1:\d+\//);
            if (found)
                resolve({url: found[0], stop: () => server.kill()});
        });
        server.on('exit', code => reject(new Error('the file server stopped: ' + code)));
    });
}

// Waits until the page's service worker is active, then loads the page at
// url again: the worker controls it from then on.
async function serviceWorkerControls(page, url = page.url) {
    await page.engine.run(async () => { await navigator.serviceWorker.ready; });
    await page.wait(async () => {
        if (await page.engine.run(() => !!navigator.serviceWorker.controller))
            return true;
        await page.load(url);
        return false;
    }, 'the service worker to control the page');
}

// After one visit the page starts and converts with the server gone; in
// Chromium it is also installable.
async function checkOffline(page, server) {
    await page.load();
    await serviceWorkerControls(page);
    if (page.engine.cdp) {
        const {installabilityErrors} = await page.engine.cdp('Page.getInstallabilityErrors');
        if (installabilityErrors.length)
            throw new Error('installability errors: ' + JSON.stringify(installabilityErrors));
    }
    server.stop();
    await page.load();
    await page.engine.click(selectorOf('Meter1'));
    await page.engine.type('1');
    await page.engine.press('Return');
    await page.expect('caption', 'AnsFeet1', '10.7639 Feet\u00B2');
}

function filesOf(directory) {
    return readdirSync(directory, {recursive: true}).filter(f => statSync(join(directory, f)).isFile()).sort();
}

const sha256 = data => createHash('sha256').update(data).digest('hex');

// Another release of the same site: its program and module differ, and it
// says which it is.
function makeRelease(from, to, name) {
    rmSync(to, {recursive: true, force: true});
    cpSync(from, to, {recursive: true});
    appendFileSync(join(to, 'orvanta.js'), `\nself.orvantaRelease = '${name}';\n`);
    // A custom section named after the release, at the end of the module.
    const section = Buffer.concat([Buffer.from([name.length]), Buffer.from(name)]);
    appendFileSync(join(to, 'orvanta.wasm'), Buffer.concat([Buffer.from([0, section.length]), section]));
    execFileSync('cmake', [`-DSITE=${to}`, '-P', join(ROOT, 'src/web/app/siteversion.cmake')]);
}

// Served with max-age=600 on every file, a returning visitor runs the new
// release on the next visit after the worker has seen it, its cache holds
// exactly the new files, and another deployment's cache on the origin stays.
async function checkUpdate(page, site) {
    const work = mkdtempSync(join(tmpdir(), 'orvanta-update-'));
    const served = join(work, 'served');
    makeRelease(site, served, 'A');
    const server = await serve(served, ['--max-age', '600']);
    try {
        await page.load(server.url);
        await serviceWorkerControls(page, server.url);
        const ourCaches = () => page.engine.run(async () => (await caches.keys()).filter(n => n.startsWith('orvanta ' + location.href)));
        const [first] = await ourCaches();
        await page.engine.run(async () => { await caches.open('orvanta another deployment'); });
        // The visit's own look for a new release has ended before the new
        // release is put in place: a look still running would find none.
        await page.engine.run(async () => { await (await navigator.serviceWorker.getRegistration()).update(); });
        makeRelease(site, join(work, 'next'), 'B');
        for (const file of filesOf(join(work, 'next')))
            cpSync(join(work, 'next', file), join(served, file));
        const expected = Object.fromEntries(filesOf(served).filter(f => f !== 'sw.js' && f !== 'version.js')
            .map(f => [f, sha256(readFileSync(join(served, f)))]));
        await page.load(server.url);
        const release = () => page.engine.run(() => self.orvantaRelease);
        if (await release() !== 'A')
            throw new Error('the visit before the update ran release ' + await release());
        // The visit looks for a new release once it is up; the worker that
        // finds it fills a new cache and drops the old one.
        await page.wait(async () => {
            const ours = await ourCaches();
            return ours.length === 1 && ours[0] !== first;
        }, async () => 'the new release in a cache of its own (caches: ' + JSON.stringify(await ourCaches()) + ')');
        await page.load(server.url);
        const cached = await page.engine.run(async () => {
            const hex = buffer => [...new Uint8Array(buffer)].map(b => b.toString(16).padStart(2, '0')).join('');
            const names = await caches.keys();
            const ours = names.filter(n => n.startsWith('orvanta ' + location.href));
            const files = {};
            if (ours.length === 1) {
                const cache = await caches.open(ours[0]);
                for (const request of await cache.keys()) {
                    const file = new URL(request.url).pathname.slice(1);
                    if (file)
                        files[file] = hex(await crypto.subtle.digest('SHA-256', await (await cache.match(request)).arrayBuffer()));
                }
            }
            return {names, ours, files};
        });
        if (cached.ours.length !== 1)
            throw new Error('caches: ' + JSON.stringify(cached.names));
        if (!cached.names.includes('orvanta another deployment'))
            throw new Error("another deployment's cache was removed: " + JSON.stringify(cached.names));
        for (const [file, hash] of Object.entries(expected)) {
            if (cached.files[file] !== hash)
                throw new Error(`the cache holds ${cached.files[file] ? 'another' : 'no'} ${file}`);
        }
        if (await release() !== 'B')
            throw new Error('the visit after the update ran release ' + await release());
    } finally {
        server.stop();
        rmSync(work, {recursive: true, force: true});
    }
}

// A program file that does not arrive is said so in a plain sentence.
async function checkNoProgramFile(page, site) {
    const work = mkdtempSync(join(tmpdir(), 'orvanta-broken-'));
    cpSync(site, work, {recursive: true});
    rmSync(join(work, 'orvanta.wasm'));
    const server = await serve(work);
    try {
        await page.engine.open(server.url + 'index.html?nosw');
        await page.expect('status', '', [null, 'Orvanta could not start: its program file did not load.']);
    } finally {
        server.stop();
        rmSync(work, {recursive: true, force: true});
    }
}

// Waits until the fonts and pictures are drawn.
function drawn() {
    const background = new Image();
    background.src = 'background.jpg';
    return Promise.all([document.fonts.ready, background.decode(), ...[...document.images].map(i => i.decode())])
        .catch(() => {}).then(() => new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done))));
}

// What each engine draws, for a person to look at.
async function takeScreenshots(page, directory, arrangement) {
    const {engine} = page;
    const name = `${engine.name}-${arrangement}`;
    await page.load();
    await engine.run(drawn);
    await engine.screenshot(join(directory, `${name}-main.png`));
    await engine.press('F2');
    await page.expect('windows', '', 'Main+frmAbout');
    await engine.run(drawn);
    await engine.screenshot(join(directory, `${name}-about.png`));
    await engine.press('Escape');
    await engine.click(selectorOf('Meter1'));
    await engine.type('x');
    await engine.press('Return');
    await page.wait(async () => (await page.read('box')) !== null, 'the warning');
    await engine.run(drawn);
    await engine.screenshot(join(directory, `${name}-warning.png`));
    await engine.press('Return');
    await engine.click('#SSTab1-1-tab');
    await engine.run(drawn);
    await engine.screenshot(join(directory, `${name}-volumes.png`));
}

async function playEngine(name, site, table, scenarios, screenshots, only) {
    const server = await serve(site);
    const engine = await ENGINES[name]();
    const page = new Page(engine, server.url);
    let passed = 0, failed = 0;
    const run = async (title, body) => {
        if (only && !only.test(title))
            return;
        try {
            await body();
            ++passed;
            console.log(`PASS ${name}: ${title}`);
        } catch (error) {
            ++failed;
            console.log(`FAIL ${name}: ${title} - ${error.message.split('\n')[0]}`);
            await engine.screenshot(join(screenshots, `${name}-failure-${failed}.png`)).catch(() => {});
        }
    };
    try {
        // Every scenario in the window as designed, and narrowed on a phone.
        for (const arrangement of ARRANGEMENTS) {
            await engine.resize(arrangement.width, arrangement.height);
            for (const scenario of [...scenarios, ...PAGE_SCENARIOS])
                await run(`${arrangement.name}: ${scenario.name}`, () => page.play(scenario.steps));
            await run(`${arrangement.name}: screenshots`, () => takeScreenshots(page, screenshots, arrangement.name));
        }
        await engine.resize(ARRANGEMENTS[0].width, ARRANGEMENTS[0].height);
        await run(`a random session of ${RANDOM_STEPS} steps, seed ${RANDOM_SEED} (ORVANTA_MONKEY_SEED replays it)`,
                  () => playRandomSession(page, join(dirname(table), 'scenariotable'), RANDOM_SEED));
        if (engine.cdp) {
            await run('accessibility tree: a row, the strips, both dialogs', () => checkAccessibility(page));
            await run('40 About boxes leave no listener or element behind', () => checkNothingLeftBehind(page));
        }
        await run('the design\u2019s faces travel with the page', () => checkFonts(page));
        await run('the menu offers no key the browser keeps for itself', () => checkShortcuts(page));
        await run('a program file that does not arrive is said so', () => checkNoProgramFile(page, site));
        await run('a new release reaches a returning visitor behind a caching server', () => checkUpdate(page, site));
        await run('converts offline after one visit' + (engine.cdp ? ', and is installable' : ''),
                  () => checkOffline(page, server));
    } finally {
        await engine.quit().catch(() => {});
        server.stop();
    }
    return {passed, failed};
}

async function main() {
    const {values, positionals} = parseArgs({allowPositionals: true, options: {
        engines: {type: 'string', default: 'chromium,firefox,webkit'},
        screenshots: {type: 'string', default: join(tmpdir(), 'orvanta-screenshots')},
        only: {type: 'string'},
    }});
    const [site, table] = positionals;
    const scenarios = JSON.parse(readFileSync(table, 'utf8'));
    mkdirSync(values.screenshots, {recursive: true});
    // A failure's screenshot belongs to the run that failed.
    for (const file of readdirSync(values.screenshots).filter(name => /-failure-\d+\.png$/.test(name)))
        rmSync(join(values.screenshots, file));
    let passed = 0, failed = 0;
    for (const name of values.engines.split(',')) {
        const result = await playEngine(name, site, table, scenarios, values.screenshots,
                                        values.only ? new RegExp(values.only) : null);
        passed += result.passed;
        failed += result.failed;
    }
    console.log(`${passed} passed, ${failed} failed; screenshots in ${relative(process.cwd(), values.screenshots) || '.'}`);
    return failed ? 1 : 0;
}

process.exitCode = await main();
