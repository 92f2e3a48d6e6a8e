// The three browser engines the page must work in, each behind the same few
// operations the player needs: open a page, run a function in it, click an
// element, type, press keys, resize the view, take a screenshot. Input is
// real: the browsers deliver it as trusted events, with focus and default
// actions. Chromium and Firefox come from Debian and are driven with
// puppeteer-core (DevTools and WebDriver BiDi); WebKit is Debian's
// MiniBrowser under WebKitWebDriver, driven with selenium-webdriver, and
// needs an X display (scripts/test-web runs the player under Xvfb).

import { spawn } from 'node:child_process';
import { mkdirSync, mkdtempSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import puppeteer from 'puppeteer-core';
import { Builder, By } from 'selenium-webdriver';

// Keys by the names the scenarios use, as W3C WebDriver key codes (Firefox
// over BiDi, WebKit over WebDriver) and as DevTools key names (Chromium).
// A key with modifiers lists them first.
const KEYS = {
    Return: {w3c: ['\uE006'], cdp: ['Enter']},
    Enter: {w3c: ['\uE007'], cdp: ['NumpadEnter']}, // the keypad's
    Tab: {w3c: ['\uE004'], cdp: ['Tab']},
    'Shift+Tab': {w3c: ['\uE008', '\uE004'], cdp: ['Shift', 'Tab']},
    'Shift+Home': {w3c: ['\uE008', '\uE011'], cdp: ['Shift', 'Home']},
    Escape: {w3c: ['\uE00C'], cdp: ['Escape']},
    F2: {w3c: ['\uE032'], cdp: ['F2']},
    'Ctrl+Q': {w3c: ['\uE009', 'q'], cdp: ['Control', 'KeyQ']},
    'Alt+H': {w3c: ['\uE00A', 'h'], cdp: ['Alt', 'KeyH']},
    b: {w3c: ['b'], cdp: ['KeyB']},
    End: {w3c: ['\uE010'], cdp: ['End']},
    Backspace: {w3c: ['\uE003'], cdp: ['Backspace']},
};

function keyOf(name, protocol) {
    const key = KEYS[name];
    if (!key)
        throw new Error('no such key in the player: ' + name);
    return key[protocol];
}

// As root, with no display and a closed network.
const CHROMIUM_FLAGS = ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--disable-quic', '--no-first-run',
                        '--disable-background-networking', '--disable-component-update', '--disable-sync',
                        '--lang=en-US'];

class PuppeteerEngine {
    constructor(name, browser, page, protocol) {
        this.name = name;
        this.browser = browser;
        this.page = page;
        this.protocol = protocol;
    }

    async open(url) {
        await this.page.goto(url, {waitUntil: 'load'});
    }

    async run(fn, ...args) {
        return this.page.evaluate(fn, ...args);
    }

    async click(selector) {
        await this.page.click(selector);
    }

    async type(text) {
        await this.page.keyboard.type(text);
    }

    async press(name) {
        const chord = keyOf(name, this.protocol);
        for (const key of chord.slice(0, -1))
            await this.page.keyboard.down(key);
        await this.page.keyboard.press(chord[chord.length - 1]);
        for (const key of chord.slice(0, -1).reverse())
            await this.page.keyboard.up(key);
    }

    async resize(width, height) {
        await this.page.setViewport({width, height});
    }

    async screenshot(path) {
        await this.page.screenshot({path});
    }

    async quit() {
        await this.browser.close();
    }
}

class Chromium extends PuppeteerEngine {
    // The DevTools protocol, for what only Chromium tells: the accessibility
    // tree, installability, DOM counters.
    async cdp(method, params = {}) {
        this.session ??= await this.page.createCDPSession();
        return this.session.send(method, params);
    }
}

export async function startChromium({width = 1000, height = 800} = {}) {
    const browser = await puppeteer.launch({
        executablePath: '/usr/bin/chromium', headless: true, args: CHROMIUM_FLAGS,
        userDataDir: mkdtempSync(join(tmpdir(), 'orvanta-chromium-')), defaultViewport: {width, height},
    });
    const [page] = await browser.pages();
    return new Chromium('chromium', browser, page, 'cdp');
}

export async function startFirefox({width = 1000, height = 800} = {}) {
    const browser = await puppeteer.launch({
        browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true, defaultViewport: {width, height},
        extraPrefsFirefox: {'intl.accept_languages': 'en-US', 'intl.locale.requested': 'en-US'},
    });
    // The first tab never has the focus in headless Firefox, and a page
    // without it gets no focus events: a tab opened by the driver has it.
    const [first] = await browser.pages();
    const page = await browser.newPage();
    await first.close();
    return new PuppeteerEngine('firefox', browser, page, 'w3c');
}

function freePort() {
    return new Promise((resolve, reject) => {
        const server = createServer();
        server.listen(0, '127.0.0.1', () => {
            const {port} = server.address();
            server.close(() => resolve(port));
        });
        server.on('error', reject);
    });
}

async function waitForPort(port) {
    for (let i = 0; i < 200; ++i) {
        try {
            const response = await fetch(`http://127.0.0.1:${port}/status`);
            if (response.ok)
                return;
        } catch {
            // not listening yet
        }
        await new Promise(resolve => setTimeout(resolve, 50));
    }
    throw new Error('WebKitWebDriver did not start');
}

class WebKit {
    constructor(driver, service) {
        this.name = 'webkit';
        this.driver = driver;
        this.service = service;
    }

    async open(url) {
        await this.driver.get(url);
    }

    async run(fn, ...args) {
        return this.driver.executeScript(`return (${fn}).apply(null, arguments)`, ...args);
    }

    async click(selector) {
        const element = await this.driver.findElement(By.css(selector));
        await this.driver.actions().move({origin: element}).click().perform();
    }

    async type(text) {
        await this.driver.actions().sendKeys(text).perform();
    }

    async press(name) {
        const chord = keyOf(name, 'w3c');
        let actions = this.driver.actions();
        for (const key of chord.slice(0, -1))
            actions = actions.keyDown(key);
        actions = actions.sendKeys(chord[chord.length - 1]);
        for (const key of chord.slice(0, -1).reverse())
            actions = actions.keyUp(key);
        await actions.perform();
    }

    // The window is sized so that the page, below MiniBrowser's toolbar,
    // gets the size asked for; the window manager applies it a little later.
    async resize(width, height) {
        const window = this.driver.manage().window();
        const rect = await window.getRect();
        const [innerWidth, innerHeight] = await this.run(() => [innerWidth, innerHeight]);
        await window.setRect({width: width + rect.width - innerWidth, height: height + rect.height - innerHeight});
        for (let tries = 0; tries < 100; ++tries) {
            const inner = await this.run(() => [innerWidth, innerHeight]);
            if (inner[0] === width && inner[1] === height) {
                // The page's resize handlers run in the next frame, and the
                // window is laid out anew in the one after.
                await this.run(() => new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done))));
                return;
            }
            await new Promise(resolve => setTimeout(resolve, 20));
        }
        throw new Error(`the page did not become ${width}x${height}`);
    }

    async screenshot(path) {
        writeFileSync(path, Buffer.from(await this.driver.takeScreenshot(), 'base64'));
    }

    async quit() {
        try {
            await this.driver.quit();
        } finally {
            this.service.kill();
        }
    }
}

// MiniBrowser's toolbar keeps its window at least 447 pixels wide; a GTK
// style that shrinks its buttons and entry lets the page have a phone's
// width.
function narrowToolbarConfig() {
    const config = mkdtempSync(join(tmpdir(), 'orvanta-gtk-'));
    mkdirSync(join(config, 'gtk-3.0'));
    writeFileSync(join(config, 'gtk-3.0/gtk.css'),
                  'button, entry { min-width: 0; min-height: 0; padding: 0; margin: 0; border-width: 0; font-size: 6px; }\n');
    return config;
}

export async function startWebKit({width = 1000, height = 800} = {}) {
    const port = await freePort();
    const service = spawn('/usr/bin/WebKitWebDriver', [`--port=${port}`],
                          {stdio: 'ignore', env: {...process.env, XDG_CONFIG_HOME: narrowToolbarConfig()}});
    await waitForPort(port);
    const driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
        browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': {
            binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation'],
        },
    }).build();
    const engine = new WebKit(driver, service);
    await engine.resize(width, height);
    return engine;
}

export const ENGINES = {chromium: startChromium, firefox: startFirefox, webkit: startWebKit};
