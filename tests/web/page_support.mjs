// The built page served on the loopback address and opened in the installed Chromium, headless,
// with a fresh profile each time; and the few steps the page's tests share.
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { CHROMIUM, CHROMIUM_FLAGS } from '../../scripts/headless-chromium.mjs';
import { serve } from '../../scripts/serve-web.mjs';

export const PAGE_DIR =
    process.env.VEXOLAN_PAGE_DIR ?? new URL('../../build-web/page', import.meta.url).pathname;
export const DOCS = new URL('../../docs/', import.meta.url).pathname;
export const TABLET = { width: 1024, height: 768 };
export const PHONE = { width: 915, height: 412 };
// A screen of that size, touched by a finger: a coarse pointer.
export const byFinger = (width, height) => ({ width, height, hasTouch: true, isMobile: true });

const CLIPBOARD = ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write'];

// Text drawn alike on every machine, for the pictures the tests compare.
const FLAGS = [...CHROMIUM_FLAGS, '--font-render-hinting=none'];

export const QUILLFEN = join(DOCS, 'quillfen.vexmech');

// A browser on a served page; `close()` ends both. With `locks: false` the page has no Web Locks,
// as outside a secure context. With `pickers: false` the page has no File
// System Access API, and uses its file chooser and downloads. With `clipboard: true` the page may
// read and write the clipboard.
export async function openPage({
    viewport = TABLET,
    pickers = false,
    dir = PAGE_DIR,
    locks = true,
    clipboard = false,
} = {}) {
    const server = await serve(dir);
    const profile = await mkdtemp(join(tmpdir(), 'vexolan-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: CHROMIUM,
        headless: true,
        args: FLAGS,
        userDataDir: profile,
        defaultViewport: viewport,
        protocolTimeout: 120000,
    });
    const prepare = async (page) => {
        page.setDefaultTimeout(60000);
        await page.evaluateOnNewDocument(
            (locks, pickers) => {
                if (!locks)
                    Object.defineProperty(Navigator.prototype, 'locks', { value: undefined });
                const absent = pickers ? [] : ['showOpenFilePicker', 'showSaveFilePicker'];
                for (const name of absent) delete window[name];
            },
            locks,
            pickers,
        );
        return page;
    };
    const page = await prepare((await browser.pages())[0] ?? (await browser.newPage()));
    const url = `http://127.0.0.1:${server.address().port}/`;
    if (clipboard) await browser.defaultBrowserContext().overridePermissions(url, CLIPBOARD);
    const session = { browser, page, server, url, profile };
    session.load = async (on = page) => {
        await on.goto(url);
        await on.waitForSelector('html[data-ready]');
    };
    // Another page of the same browser, as a second tab of the site.
    session.another = async () => {
        const other = await prepare(await browser.newPage());
        await session.load(other);
        return other;
    };
    session.close = async () => {
        await browser.close();
        server.closeAllConnections();
        await new Promise((resolve) => server.close(resolve));
        await rm(profile, { recursive: true, force: true });
    };
    await session.load();
    return session;
}

// Runs a test's work on a browser and page of its own, closed whatever happens.
export async function onAPage(options, work) {
    if (typeof options === 'function') [options, work] = [{}, options];
    const session = await openPage(options);
    try {
        await work(session);
    } finally {
        await session.close();
    }
}

// The selector of a control of the sheet shown, by the name the code calls it ("weapName(0)").
export function control(name, sheet = 1) {
    return `#s${sheet}-${name.replace(/[()]/g, '_')}`;
}

export const valueOf = (page, name, sheet) =>
    page.$eval(control(name, sheet), (input) => input.value);
export const checkedOf = (page, name, sheet) =>
    page.$eval(control(name, sheet), (input) => (input.indeterminate ? 2 : Number(input.checked)));

// Taps a control where its caption is, which is part of its target.
export async function tap(page, name, sheet = 1) {
    const caption = await page.$(`label:has(> ${control(name, sheet)}) > span`);
    await (caption ?? (await page.$(control(name, sheet)))).tap();
}

// Presses the key with a modifier held, as Ctrl+R; `options` as the keyboard's own press takes.
export async function pressWith(page, modifier, key, options) {
    await page.keyboard.down(modifier);
    await page.keyboard.press(key, options);
    await page.keyboard.up(modifier);
}

export async function menu(page, ...captions) {
    for (const caption of captions) {
        const item = await page.waitForSelector(
            `.sheet-tab:not([hidden]) ::-p-aria([name="${caption}"][role="menuitem"])`,
            { visible: true },
        );
        await item.click();
    }
}

// The files given to the file chooser that the menu entry opens.
export async function choose(page, files, ...captions) {
    const [chooser] = await Promise.all([page.waitForFileChooser(), menu(page, ...captions)]);
    await chooser.accept(files);
}

// The example Mech file opened on the sheet shown.
export async function openQuillfen(page, file = QUILLFEN) {
    await choose(page, [file], 'File', 'Open Mech...');
    await page.waitForFunction(() => document.title === 'Ilsa Marrow:Quillfen QF-2');
}

export async function newMech(page, name, sheet) {
    await menu(page, 'New Mech');
    await typeInto(page, 'mechName', name, sheet);
}

// The range slider moved the given hexes on by its keys.
export async function rangeOn(page, hexes) {
    await page.focus(control('rangeSlider'));
    for (let step = 0; step < hexes; ++step) await page.keyboard.press('ArrowRight');
}

// Waits until the page, in front, has written what it shows.
export const settle = (page) =>
    page.waitForFunction(() => new Promise((resolve) => setTimeout(() => resolve(true), 100)));

// The message the page shows, once answered with the key (Enter: the first answer, Escape: the
// last).
export async function takeMessage(page, key = 'Enter') {
    const dialog = await page.waitForSelector('#message[open]');
    const text = await dialog.$eval('#messageText', (p) => p.textContent);
    // Waits for this message to close, though the next may open at once in the same dialog.
    await dialog.evaluate((d) => {
        d.closedOnce = false;
        d.addEventListener('close', () => (d.closedOnce = true), { once: true });
    });
    await page.keyboard.press(key);
    await page.waitForFunction((d) => d.closedOnce, {}, dialog);
    return text;
}

// Every control of the sheet shown, as the page shows it.
export const sheetShown = (page) =>
    page.$$eval('.sheet-tab:not([hidden]) .sheet :is(input, select, textarea)', (inputs) =>
        inputs
            .map((i) => `${i.id}=${/checkbox|radio/.test(i.type) ? i.checked : i.value}`)
            .join('\n'),
    );

export const tabTitles = (page) =>
    page.$$eval('[role="tab"]', (all) => all.map((tab) => tab.textContent));

export async function typeInto(page, name, text, sheet = 1) {
    await page.click(control(name, sheet), { count: 3 });
    await page.keyboard.type(text);
}

// Lets the page download into a new folder; `next()` resolves to the path of the next file.
export async function downloadsOf(page) {
    const folder = await mkdtemp(join(tmpdir(), 'vexolan-downloads-'));
    const cdp = await page.createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', {
        behavior: 'allow',
        downloadPath: folder,
        eventsEnabled: true,
    });
    const names = new Map();
    let waiting = [];
    cdp.on('Browser.downloadWillBegin', (event) => names.set(event.guid, event.suggestedFilename));
    cdp.on('Browser.downloadProgress', (event) => {
        if (event.state !== 'completed') return;
        waiting.forEach((resolve) => resolve(join(folder, names.get(event.guid))));
        waiting = [];
    });
    return { folder, next: () => new Promise((resolve) => waiting.push(resolve)) };
}

// The records of a store of the site's storage; with entries, puts them in first, as if a page
// that is gone had kept them.
function inStore(page, storeName, entries = []) {
    return page.evaluate(
        async (storeName, entries) => {
            const settled = (target, event) =>
                new Promise((resolve, reject) => {
                    target[event] = () => resolve(target.result);
                    target.onerror = () => reject(target.error);
                });
            const database = await settled(indexedDB.open('vexolan'), 'onsuccess');
            const mode = entries.length ? 'readwrite' : 'readonly';
            const store = database.transaction(storeName, mode).objectStore(storeName);
            for (const [key, value] of entries) store.put(value, store.keyPath ? undefined : key);
            const all = store.getAll();
            await settled(store.transaction, 'oncomplete');
            return all.result;
        },
        storeName,
        entries,
    );
}

// The sheets the browser keeps for the site, as the page's storage holds them.
export const keptSheets = (page) => inStore(page, 'sheets');
export const keepAsIfBefore = inStore;

// A sheet past its setup with a Medium Laser and an LRM 20, the range at the hexes given; with
// `chart`, its range chart asked for from the range slider.
export async function armed(page, hexes = 3, chart = false) {
    await page.select(control('gunSkill'), '4');
    await tap(page, 'doneButton');
    await page.select(control('weapName(0)'), 'MLaser');
    await page.select(control('weapName(1)'), 'LRM20');
    await rangeOn(page, hexes);
    if (chart) await pressWith(page, 'Control', 'r');
}
