// The page: a tab for each open combat sheet, each drawn from the layout and bound to its own
// sheet of the WebAssembly model; what a sheet asks for (messages, new sheets, files, the
// clipboard, the range chart, help, About) is carried out here once the action is done.

import loadVexolan from './vexolan.js';
import { SheetView, BASE_SCALE } from './sheet_view.js';
import { ask, askName, showMessage, showAbout, hideTip } from './dialogs.js';
import { drawRangeChart } from './range_chart_view.js';
import { chooseFiles, chooseSaveName, writeFile, SHEETS_FILES } from './files.js';
import { Keeper, newId } from './storage.js';
import { showNotice, hideNotice } from './notices.js';

const STORAGE_FULL =
    "The browser's storage is full: the sheets stay as they are on screen, but " +
    'would not come back after the page is closed. Save each Mech to a file to keep it.';
const NO_STORAGE =
    'This browser keeps nothing for this page: the sheets would not come back ' +
    'after the page is closed. Save each Mech to a file to keep it.';
const NOT_KEPT =
    'The browser did not keep the sheets: they stay as they are on screen, but ' +
    'would not come back after the page is closed. Save each Mech to a file to keep it';
const CLOSE_ANSWERS = ['Save', 'Discard', 'Cancel'];
const SET_ASIDE_ANSWERS = ['Save as Mech File', 'Delete', 'Keep'];
// A closed sheet can be brought back for so long; a tap on a tab's × so soon after a close is
// the second tap of a double tap, which must not close the next sheet that moved under it.
const UNDO_SECONDS = 10;
const DOUBLE_TAP_MS = 600;
// Safari clears what a site keeps after seven days without a visit: a backup is due well before.
const BACKUP_DUE_MS = 3 * 24 * 60 * 60 * 1000;
// The page's own entries of the File menu, after the Mech's, and the desktop's that a page has
// no use for: the browser closes the page.
const BACK_UP = 'Back Up All Sheets...';
const BACKUP_NAME = 'vexolan-sheets.vexsheets';
const RESTORE = 'Restore Sheets...';
const DESKTOP_ONLY = new Set(['mnuQuit']);

const [vexolan, layout] = await Promise.all([
    loadVexolan(),
    fetch('layout.json').then((answer) => answer.json()),
]);
const { WebSheet } = vexolan;
const captionOf = (role) => layout.menu.find((entry) => entry.role === role).caption;
const tabBar = document.getElementById('tabs');
const sheetsArea = document.getElementById('sheets');
const make = (tag, props = {}) => Object.assign(document.createElement(tag), props);

const tabs = [];
let active = null;
let nextId = 1;
let chosenFiles = new Map(); // the files of the last Open Mech, for the sheets it asks for
const unkept = new Set(); // sheets changed since the storage last took them
let storageFull = false;
let keeping = 0;
let keeper = null; // none where the browser keeps nothing for the page
let keptSoFar = Promise.resolve();
const closed = []; // sheets closed within the undo's time, the latest last
let closedAt = -Infinity;
let backupDue = false; // whether the reminder to back up may show in this page
// When the last backup was, and the first change since.
let backupNote = { at: null, changedSince: null };

// ---- Sheets and their tabs

function addSheet(sheet, { uid = newId(), chart = false, at = tabs.length } = {}) {
    const id = nextId++;
    const tab = {
        id,
        uid,
        sheet,
        title: '',
        modified: false,
        zoom: 100,
        mechFile: '',
        chartShown: false,
    };
    tab.view = new SheetView(layout, `s${id}`, (action, role, argument) => {
        perform(tab, (it) => (action === 'click' ? it.click(role) : it[action](role, argument)));
        return Promise.resolve();
    });
    tab.panel = make('section', { className: 'sheet-tab', id: `s${id}-panel`, hidden: true });
    tab.panel.setAttribute('role', 'tabpanel');
    tab.frame = make('div', { className: 'frame' });
    tab.frame.append(tab.view.element);
    tab.chartPanel = chartPanel(tab);
    tab.panel.append(menuBar(tab), tab.frame, tab.chartPanel);
    sheetsArea.append(tab.panel);
    tab.button = make('button', { type: 'button', id: `s${id}-tab`, className: 'tab' });
    tab.button.setAttribute('role', 'tab');
    tab.button.setAttribute('aria-controls', tab.panel.id);
    tab.button.addEventListener('click', () => activate(tab));
    tab.panel.setAttribute('aria-labelledby', tab.button.id);
    tab.closeButton = make('button', { type: 'button', className: 'close', textContent: '×' });
    tab.closeButton.addEventListener('click', () => {
        if (performance.now() - closedAt >= DOUBLE_TAP_MS) closeSheet(tab);
    });
    tab.holder = make('div', { className: 'tab-holder' });
    tab.holder.setAttribute('role', 'presentation');
    tab.holder.append(tab.button, tab.closeButton);
    tabBar.insertBefore(tab.holder, tabs[at]?.holder ?? null);
    tabs.splice(at, 0, tab);
    const first = JSON.parse(sheet.view());
    tab.view.apply(first.changed);
    showWindow(tab, first.window);
    if (chart) showChart(tab);
    remember(tab);
    return tab;
}

function activate(tab) {
    active = tab;
    for (const other of tabs) {
        other.panel.hidden = other !== tab;
        other.button.ariaSelected = String(other === tab);
        other.button.tabIndex = other === tab ? 0 : -1;
    }
    document.title = labelOf(tab);
    hideTip();
    rescale(tab);
    scheduleKeep();
}

const labelOf = (tab) => `${tab.title || 'Vexolan'}${tab.modified ? '*' : ''}`;

function showWindow(tab, window) {
    if (window.title === undefined) return;
    Object.assign(tab, {
        title: window.title,
        modified: window.modified,
        mechFile: window.mechFile,
    });
    tab.button.textContent = labelOf(tab);
    tab.button.title = labelOf(tab);
    tab.closeButton.ariaLabel = `Close ${labelOf(tab)}`;
    if (tab === active) document.title = labelOf(tab);
    if (tab.zoom !== window.zoom) {
        tab.zoom = window.zoom;
        rescale(tab);
    }
}

// The sheet at half as large again as the desktop's at the least, times the sheet's zoom, and
// as wide as the window where that is wider; narrower windows scroll.
function rescale(tab) {
    const room = sheetsArea.clientWidth / layout.width;
    tab.view.element.style.zoom = Math.max(BASE_SCALE * (tab.zoom / 100), room);
}

// A sheet with changes its file lacks asks first, as on the desktop, and is gone once answered.
// Any other sheet that holds something its user entered closes at once with an undo, since a
// page's sheets have no window of their own to come back in; its kept copy stays until the undo
// is past.
async function closeSheet(tab) {
    if (!tabs.includes(tab)) return;
    const asked = tab.sheet.hasUnsavedChanges();
    if (asked) {
        activate(tab);
        const answer = await ask(tab.sheet.closeQuestion(), CLOSE_ANSWERS);
        if (answer === 'Cancel') return;
        if (answer === 'Save') {
            await perform(tab, (it) => it.click('mnuSave'));
            if (tab.sheet.hasUnsavedChanges()) return;
        }
    }
    if (!tabs.includes(tab)) return;
    closedAt = performance.now();
    const at = tabs.indexOf(tab);
    tabs.splice(at, 1);
    tab.panel.remove();
    tab.holder.remove();
    unkept.delete(tab.uid);
    if (asked || tab.sheet.isUntouched()) {
        finishClosing(tab);
    } else {
        closed.push({ tab, at });
        offerUndo();
    }
    if (!tabs.length) addSheet(new WebSheet(tab.zoom));
    activate(tabs[Math.min(at, tabs.length - 1)]);
}

function finishClosing(tab) {
    keptSoFar = keptSoFar.then(() => keeper?.forget(tab.uid)).catch(() => {});
    tab.sheet.delete();
}

function offerUndo() {
    const text =
        closed.length === 1
            ? `Closed ${labelOf(closed[0].tab)}.`
            : `Closed ${closed.length} sheets.`;
    showNotice('undo', text, [{ caption: 'Undo', run: undoClose }], {
        seconds: UNDO_SECONDS,
        expire: () => closed.splice(0).forEach(({ tab }) => finishClosing(tab)),
    });
}

// Brings back every sheet of the undo, each where it stood, in the order they closed.
function undoClose() {
    const back = closed.splice(0).reverse(); // the last closed first, so each finds its place
    if (tabs.length === 1 && tabs[0].sheet.isUntouched() && back.length) forgetTab(tabs[0]);
    for (const { tab, at } of back) {
        const again = addSheet(tab.sheet, {
            uid: tab.uid,
            chart: tab.chartShown,
            at: Math.min(at, tabs.length),
        });
        activate(again);
    }
}

// The tabs as Undo would leave them: a sheet closed within the undo's time keeps its place in
// the storage, where a reload finds it.
function shownAfterUndo() {
    const shown = [...tabs];
    for (const { tab, at } of [...closed].reverse())
        shown.splice(Math.min(at, shown.length), 0, tab);
    return shown;
}

// Takes a sheet away with nothing to lose: a new sheet that a restored one replaces.
function forgetTab(tab) {
    tabs.splice(tabs.indexOf(tab), 1);
    tab.panel.remove();
    tab.holder.remove();
    unkept.delete(tab.uid);
    finishClosing(tab);
}

tabBar.addEventListener('keydown', (event) => {
    const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
    if (!step || !active) return;
    const next = tabs[(tabs.indexOf(active) + step + tabs.length) % tabs.length];
    activate(next);
    next.button.focus();
});

// ---- The user's actions and what the sheet asks for

// Passes one action to the sheet and redraws what it changed; resolves once what the sheet
// asked for is done.
function perform(tab, action) {
    tab.sheet.setOtherSheetFiles(
        JSON.stringify(tabs.filter((t) => t !== tab && t.mechFile).map((t) => t.mechFile)),
    );
    const update = JSON.parse(action(tab.sheet));
    tab.view.apply(update.changed, update.focus);
    showWindow(tab, update.window);
    if (tab.chartShown) redrawChart(tab);
    remember(tab);
    if (update.changed.length) noteChange();
    return carryOut(tab, update.requests);
}

async function carryOut(tab, requests) {
    requests.messages.forEach(showMessage);
    if (requests.help) window.open('Vexo.html', '_blank', 'noopener');
    for (const text of requests.clipboard) navigator.clipboard.writeText(text).catch(() => {});
    if (requests.aboutBox) showAbout(JSON.parse(WebSheet.aboutJson()));
    if (requests.rangeChart) showChart(tab, true);
    if (requests.closeSheet) closeSheet(tab);
    if (requests.newSheet) {
        const added = addSheet(new WebSheet(tab.zoom));
        activate(added);
        added.view.focusFirst();
    }
    for (const name of requests.sheetsForFiles) {
        const opened = addSheet(new WebSheet(tab.zoom));
        activate(opened);
        perform(opened, (it) => it.openFiles([[name, chosenFiles.get(name)]]));
    }
    for (const name of requests.sheetsToShow) {
        const holder = tabs.find((t) => t.mechFile === name);
        if (holder) activate(holder);
    }
    for (const { name, bytes } of requests.downloads) await saveFile(name, bytes);
    for (const suggested of requests.saveNames) {
        let name = await chooseSaveName(suggested);
        if (name === undefined)
            name = await askName(captionOf('mnuSaveAs'), suggested, 'Save', 'Cancel');
        if (name) await perform(tab, (it) => it.saveAs(name));
    }
}

// Tells where a file went that no file dialog of the browser's chose.
async function saveFile(name, bytes) {
    try {
        if ((await writeFile(name, bytes)) === 'downloaded')
            showMessage(`Saved as a download: ${name}`);
        return true;
    } catch (error) {
        showMessage(`${name}: ${error.message}`);
        return false;
    }
}

async function command(tab, role) {
    hideTip();
    if (role === BACK_UP) return backUp();
    if (role === RESTORE) return restoreBackup(tab);
    if (role === 'mnuOpen') {
        const files = await chooseFiles();
        if (!files.length) return;
        chosenFiles = new Map(files);
        return perform(tab, (it) => it.openFiles(files));
    }
    return perform(tab, (it) => it.click(role));
}

// ---- Menus

function menuBar(tab) {
    const bar = make('div', { className: 'menubar' });
    bar.setAttribute('role', 'menubar');
    bar.ariaLabel = 'Menu';
    const menus = new Map();
    for (const entry of pageMenu()) {
        const item = make('button', { type: 'button', textContent: entry.caption });
        item.setAttribute('role', 'menuitem');
        if (entry.menu) {
            item.tabIndex = -1;
            if (entry.keys.length) {
                item.append(
                    make('span', {
                        className: 'keys',
                        textContent: entry.keys[0],
                        ariaHidden: 'true',
                    }),
                );
                item.setAttribute(
                    'aria-keyshortcuts',
                    entry.keys.map((k) => k.replace('++', '+Plus')).join(' '),
                );
            }
            item.addEventListener('click', () => {
                closeMenus();
                command(tab, entry.role);
            });
            menus.get(entry.menu).append(item);
        } else if (entry.name) {
            const list = make('div', { className: 'dropdown', hidden: true });
            list.setAttribute('role', 'menu');
            list.ariaLabel = entry.caption;
            item.ariaHasPopup = 'menu';
            item.ariaExpanded = 'false';
            item.addEventListener('click', () => openMenu(item, list, list.hidden));
            menus.set(entry.name, list);
            const holder = make('div', { className: 'menu' });
            holder.append(item, list);
            bar.append(holder);
        } else {
            item.addEventListener('click', () => command(tab, entry.role));
            bar.append(item);
        }
    }
    bar.addEventListener('keydown', (event) => menuKey(bar, event));
    return bar;
}

// The sheet's menu with the page's own entries after the Mech's.
function pageMenu() {
    // The browser keeps Ctrl+W for its own tabs: the page's Close has no key.
    const menu = layout.menu
        .filter((entry) => !DESKTOP_ONLY.has(entry.role))
        .map((entry) => (entry.role === 'mnuClose' ? { ...entry, keys: [] } : entry));
    const after = menu.findIndex((entry) => entry.role === 'mnuSaveAs') + 1;
    const own = [BACK_UP, RESTORE].map((caption) => ({
        role: caption,
        caption,
        menu: 'File',
        keys: [],
    }));
    return [...menu.slice(0, after), ...own, ...menu.slice(after)];
}

function openMenu(button, list, open) {
    closeMenus();
    list.hidden = !open;
    button.ariaExpanded = String(open);
}

function closeMenus() {
    for (const list of document.querySelectorAll('.dropdown:not([hidden])')) {
        list.hidden = true;
        list.previousElementSibling.ariaExpanded = 'false';
    }
}

// The arrow keys go along the menu bar and down a menu; Esc closes it.
function menuKey(bar, event) {
    const top = [...bar.querySelectorAll(':scope > button, :scope > .menu > button')];
    const list = event.target.closest('.dropdown');
    const items = list ? [...list.children] : [];
    const step = (array, from, by) =>
        array[(array.indexOf(from) + by + array.length) % array.length];
    const owner = list ? list.previousElementSibling : event.target;
    if (event.key === 'Escape') {
        closeMenus();
        owner.focus();
    } else if (list && (event.key === 'ArrowDown' || event.key === 'ArrowUp')) {
        step(items, event.target, event.key === 'ArrowDown' ? 1 : -1).focus();
    } else if (!list && event.key === 'ArrowDown' && event.target.ariaHasPopup) {
        openMenu(event.target, event.target.nextElementSibling, true);
        event.target.nextElementSibling.firstElementChild.focus();
    } else if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') {
        closeMenus();
        step(top, owner, event.key === 'ArrowRight' ? 1 : -1).focus();
    } else {
        return;
    }
    event.preventDefault();
}

document.addEventListener('pointerdown', (event) => {
    if (!event.target.closest('.menu')) closeMenus();
    if (!event.target.closest('[data-tip]')) hideTip();
});

// The menu's keys, as on the desktop, where the browser lets a page have them.
const shortcuts = new Map(
    pageMenu().flatMap((entry) => entry.keys.map((keys) => [keys, entry.role])),
);
document.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') hideTip();
    if (!active || document.querySelector('dialog[open]') || !(event.ctrlKey || event.metaKey))
        return;
    const key = event.key.length === 1 ? event.key.toUpperCase() : event.key;
    const shift = event.shiftKey && /^[A-Z]$/.test(key) ? 'Shift+' : '';
    const role = shortcuts.get(`Ctrl+${shift}${key}`);
    if (!role) return;
    event.preventDefault();
    command(active, role);
});

// ---- The range chart panel

function chartPanel(tab) {
    const panel = make('section', { className: 'chart', hidden: true });
    const heading = make('h2', { id: `s${tab.id}-chart` });
    panel.setAttribute('aria-labelledby', heading.id);
    const copy = make('button', { type: 'button', textContent: 'Copy' });
    copy.addEventListener('click', () =>
        navigator.clipboard.writeText(tab.chart.copyText).catch(() => {}),
    );
    const close = make('button', { type: 'button', textContent: 'Close' });
    close.addEventListener('click', () => {
        tab.chartShown = false;
        panel.hidden = true;
        remember(tab);
    });
    const bar = make('div', { className: 'chart-bar' });
    bar.append(heading, copy, close);
    panel.append(bar, make('div', { className: 'chart-body' }));
    return panel;
}

function showChart(tab, bringToView = false) {
    tab.chartShown = true;
    tab.chartPanel.hidden = false;
    redrawChart(tab);
    if (bringToView) tab.chartPanel.scrollIntoView({ block: 'nearest' });
    remember(tab);
}

function redrawChart(tab) {
    tab.chart = JSON.parse(tab.sheet.rangeChartJson());
    drawRangeChart(tab.chartPanel, tab.chart);
}

// ---- Kept across reloads

function remember(tab) {
    unkept.add(tab.uid);
    scheduleKeep();
}

function scheduleKeep() {
    if (!keeping) keeping = setTimeout(keepNow, 0);
}

// Writes the order of the tabs and the state of each sheet that changed, one write at a time.
function keepNow() {
    clearTimeout(keeping);
    keeping = 0;
    if (!keeper) return keptSoFar;
    const changed = new Set(unkept);
    unkept.clear();
    sessionStorage.setItem('vexolan.active', active?.uid ?? '');
    // Only the sheets whose state, place or chart changed since they were last kept.
    const written = shownAfterUndo()
        .map((tab, order) => ({ tab, place: { order, chart: tab.chartShown } }))
        .filter(
            ({ tab, place }) =>
                changed.has(tab.uid) ||
                tab.keptPlace?.order !== place.order ||
                tab.keptPlace?.chart !== place.chart,
        );
    if (!written.length) return keptSoFar;
    const sheets = written.map(({ tab, place }) => ({
        uid: tab.uid,
        ...place,
        ...(changed.has(tab.uid) && { state: tab.sheet.state() }),
    }));
    keptSoFar = keptSoFar
        .then(() => keeper.keep(sheets))
        .then(({ kept, refused }) =>
            afterKeeping(kept ? '' : STORAGE_FULL, refused, changed, written),
        )
        .catch((error) => afterKeeping(`${NOT_KEPT} (${error?.message}).`, [], changed, []));
    return keptSoFar;
}

// Says once that the browser did not keep the sheets, and tries again at the next change.
function afterKeeping(fault, refused, changed, written) {
    if (fault) {
        changed.forEach((uid) => unkept.add(uid));
        if (!storageFull) showMessage(fault);
        storageFull = true;
        return;
    }
    storageFull = false;
    for (const { tab, place } of written) tab.keptPlace = place;
    // A sheet that another page took over meanwhile: this one is kept beside it, not over it.
    for (const tab of tabs.filter((t) => refused.includes(t.uid))) {
        tab.uid = newId();
        remember(tab);
    }
}

addEventListener('pagehide', keepNow);
document.addEventListener('visibilitychange', () => document.hidden && keepNow());
addEventListener('resize', () => tabs.forEach(rescale));

// ---- Backups

async function backUp() {
    const bytes = WebSheet.backUp(tabs.map((t) => t.sheet));
    let name = await chooseSaveName(BACKUP_NAME, SHEETS_FILES).catch(() => null);
    if (name === null) return;
    name ??= BACKUP_NAME;
    if (!(await saveFile(name, bytes))) return;
    hideNotice('backup');
    backupNote = { at: Date.now(), changedSince: null };
    await keeper?.setNote('backup', backupNote).catch(() => {});
}

async function restoreBackup(tab) {
    const [file] = await chooseFiles({ type: SHEETS_FILES, multiple: false });
    if (!file) return;
    const held = JSON.stringify(tabs.map((t) => t.mechFile).filter(Boolean));
    const read = JSON.parse(WebSheet.readBackup(file[0], file[1], held));
    if (read.fault) return showMessage(read.fault);
    const replaced = tabs.length === 1 && tab.sheet.isUntouched() ? tab : null;
    for (const state of read.states) activate(addSheet(WebSheet.restore(state)));
    if (replaced) forgetTab(replaced);
    showMessage(
        `Restored ${read.states.length} ${read.states.length === 1 ? 'sheet' : 'sheets'} ` +
            `from ${file[0]}.`,
    );
}

// Where the browser may clear what it keeps (a Safari tab, not installed, without persistent
// storage), a change that no backup holds for some days brings a reminder.
function noteChange() {
    if (!backupDue) return;
    if (backupNote.changedSince === null) {
        backupNote = { ...backupNote, changedSince: Date.now() };
        keeper.setNote('backup', backupNote).catch(() => {});
    } else if (Date.now() - backupNote.changedSince > BACKUP_DUE_MS) {
        backupDue = false;
        showNotice(
            'backup',
            'These sheets changed days ago and no backup holds them yet. This browser may delete ' +
                'what it keeps after seven days without a visit.',
            [
                { caption: BACK_UP, run: backUp },
                { caption: 'Later', run: () => {} },
            ],
        );
    }
}

async function mayBeCleared() {
    const installed =
        matchMedia('(display-mode: standalone)').matches || navigator.standalone === true;
    if (installed || !('storage' in navigator)) return !installed;
    const persisted =
        (await navigator.storage.persist?.().catch(() => false)) ||
        (await navigator.storage.persisted?.().catch(() => false));
    return !persisted;
}

// ---- Sheets that cannot be restored

// A kept sheet that this page cannot restore is never deleted unasked: its user hears which
// sheet and why, and may save what it holds as a Mech file.
async function setAside(record) {
    let title = '';
    try {
        title = String(JSON.parse(record.state).title ?? '');
    } catch {
        // nothing of it reads
    }
    const named = title ? `The sheet "${title}"` : 'A sheet';
    const state = typeof record.state === 'string' ? record.state : '';
    const why = WebSheet.whyNotRestored(state);
    const answer = await ask(
        `${named} kept in this browser cannot be restored: ${why}. It stays in the browser's ` +
            'storage, untouched, until you delete it.',
        SET_ASIDE_ANSWERS,
    );
    if (answer === 'Save as Mech File') {
        const mech = JSON.parse(WebSheet.salvagedMech(state));
        if (mech.name) await saveFile(mech.name, mech.bytes);
        else showMessage('Nothing of that sheet can be read: there is no Mech to save.');
    } else if (answer === 'Delete') {
        await keeper.forget(record.uid).catch(() => {});
    }
}

// ---- Start

let taken = [];
try {
    keeper = await Keeper.open();
    taken = await keeper.takeOver();
} catch {
    keeper = null;
    showMessage(NO_STORAGE);
}
const unrestored = [];
for (const record of taken) {
    const sheet = typeof record.state === 'string' ? WebSheet.restore(record.state) : null;
    if (sheet) addSheet(sheet, { uid: record.uid, chart: record.chart });
    else unrestored.push(record);
}
if (!tabs.length) addSheet(new WebSheet(100));
const wasActive = sessionStorage.getItem('vexolan.active');
activate(tabs.find((t) => t.uid === wasActive) ?? tabs[0]);
document.documentElement.dataset.ready = 'true';
performance.mark('vexolan-ready');
unrestored.forEach(setAside);
if (keeper) {
    backupNote = (await keeper.note('backup').catch(() => null)) ?? backupNote;
    backupDue = await mayBeCleared();
}

// ---- A new version

// The service worker fetches a new version while this one runs and holds it back; once it is
// ready the page says so, and the reload it offers runs the new version whole.
function watchForUpdates(registration) {
    let asked = false;
    const offer = (update) =>
        showNotice('update', 'A new version of Vexolan is ready.', [
            {
                caption: 'Reload to update',
                run: () => {
                    asked = true;
                    keepNow().finally(update);
                },
            },
        ]);
    const offerWorker = (worker) => offer(() => worker.postMessage('activate'));
    if (registration.waiting && navigator.serviceWorker.controller)
        offerWorker(registration.waiting);
    registration.addEventListener('updatefound', () => {
        const worker = registration.installing;
        worker?.addEventListener('statechange', () => {
            if (worker.state === 'installed' && navigator.serviceWorker.controller)
                offerWorker(worker);
        });
    });
    // Another page of the site may have taken the new version: this one then reloads when asked.
    const before = navigator.serviceWorker.controller;
    navigator.serviceWorker.addEventListener('controllerchange', () => {
        if (asked) location.reload();
        else if (before) offer(() => location.reload());
    });
}

if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('service_worker.js').then(watchForUpdates, () => {});
}
