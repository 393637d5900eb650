// The page: a tab for each open combat sheet, each drawn from the layout and bound to its own
// sheet of the WebAssembly model; what a sheet asks for (messages, new sheets, files, the
// clipboard, the range chart, help, About) is carried out here once the action is done.

import loadVexolan from './vexolan.js';
import { SheetView, BASE_SCALE, plainCaption } from './sheet_view.js';
import { ask, askName, showMessage, showAbout, hideTip } from './dialogs.js';
import { drawRangeChart } from './range_chart_view.js';
import { chooseFiles, chooseSaveName, writeFile } from './files.js';
import { keep, kept, forget } from './storage.js';

const STORAGE_FULL = "The browser's storage is full: the sheets stay as they are on screen, but "
    + 'would not come back after the page is closed. Save each Mech to a file to keep it.';
const CLOSE_ANSWERS = ['Save', 'Discard', 'Cancel'];

const [vexolan, layout] = await Promise.all([
    loadVexolan(), fetch('layout.json').then((answer) => answer.json())]);
const { WebSheet } = vexolan;
const captionOf = (role) => plainCaption(layout.menu.find((entry) => entry.role === role).caption);
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

// ---- Sheets and their tabs

function addSheet(sheet, { id = nextId, chart = false } = {}) {
    nextId = Math.max(nextId, id + 1);
    const tab = { id, sheet, title: '', modified: false, zoom: 100, mechFile: '', chartShown: false };
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
    tab.closeButton.addEventListener('click', () => closeSheet(tab));
    const holder = make('div', { className: 'tab-holder' });
    holder.setAttribute('role', 'presentation');
    holder.append(tab.button, tab.closeButton);
    tabBar.append(holder);
    tabs.push(tab);
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
    Object.assign(tab, { title: window.title, modified: window.modified, mechFile: window.mechFile });
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

async function closeSheet(tab) {
    if (tab.sheet.hasUnsavedChanges()) {
        activate(tab);
        const answer = await ask(tab.sheet.closeQuestion(), CLOSE_ANSWERS);
        if (answer === 'Cancel') return;
        if (answer === 'Save') {
            await perform(tab, (it) => it.click('mnuSave'));
            if (tab.sheet.hasUnsavedChanges()) return;
        }
    }
    const at = tabs.indexOf(tab);
    tabs.splice(at, 1);
    tab.panel.remove();
    tab.button.parentElement.remove();
    unkept.delete(tab.id);
    forget(tab.id);
    tab.sheet.delete();
    if (!tabs.length) addSheet(new WebSheet(tab.zoom));
    activate(tabs[Math.min(at, tabs.length - 1)]);
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
    tab.sheet.setOtherSheetFiles(JSON.stringify(tabs.filter((t) => t !== tab && t.mechFile).map((t) => t.mechFile)));
    const update = JSON.parse(action(tab.sheet));
    tab.view.apply(update.changed);
    showWindow(tab, update.window);
    if (tab.chartShown) redrawChart(tab);
    remember(tab);
    return carryOut(tab, update.requests);
}

async function carryOut(tab, requests) {
    requests.messages.forEach(showMessage);
    if (requests.help) window.open('Vexo.html', '_blank', 'noopener');
    for (const text of requests.clipboard) navigator.clipboard.writeText(text).catch(() => {});
    if (requests.aboutBox) showAbout(JSON.parse(WebSheet.aboutJson()));
    if (requests.rangeChart) showChart(tab, true);
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
    for (const { name, bytes } of requests.downloads) {
        writeFile(name, bytes).catch((error) => showMessage(`${name}: ${error.message}`));
    }
    for (const suggested of requests.saveNames) {
        let name = await chooseSaveName(suggested);
        if (name === undefined) name = await askName(captionOf('mnuSaveAs'), suggested, 'Save', 'Cancel');
        if (name) await perform(tab, (it) => it.saveAs(name));
    }
}

async function command(tab, role) {
    hideTip();
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
    for (const entry of layout.menu) {
        const item = make('button', { type: 'button', textContent: plainCaption(entry.caption) });
        item.setAttribute('role', 'menuitem');
        if (entry.menu) {
            item.tabIndex = -1;
            if (entry.keys.length) {
                item.append(make('span', { className: 'keys', textContent: entry.keys[0], ariaHidden: 'true' }));
                item.setAttribute('aria-keyshortcuts', entry.keys.map((k) => k.replace('++', '+Plus')).join(' '));
            }
            item.addEventListener('click', () => {
                closeMenus();
                command(tab, entry.role);
            });
            menus.get(entry.menu).append(item);
        } else if (entry.name) {
            const list = make('div', { className: 'dropdown', hidden: true });
            list.setAttribute('role', 'menu');
            list.ariaLabel = plainCaption(entry.caption);
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
    const step = (array, from, by) => array[(array.indexOf(from) + by + array.length) % array.length];
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
const shortcuts = new Map(layout.menu.flatMap((entry) => entry.keys.map((keys) => [keys, entry.role])));
document.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') hideTip();
    if (!active || document.querySelector('dialog[open]') || !(event.ctrlKey || event.metaKey)) return;
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
    copy.addEventListener('click', () => navigator.clipboard.writeText(tab.chart.copyText).catch(() => {}));
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
    unkept.add(tab.id);
    scheduleKeep();
}

function scheduleKeep() {
    if (!keeping) keeping = setTimeout(keepNow, 0);
}

function keepNow() {
    clearTimeout(keeping);
    keeping = 0;
    const index = { sheets: tabs.map((t) => ({ id: t.id, chart: t.chartShown })), active: active?.id };
    const states = [...unkept].map((id) => [id, tabs.find((t) => t.id === id).sheet.state()]);
    if (keep(index, states)) {
        unkept.clear();
        storageFull = false;
    } else if (!storageFull) {
        storageFull = true;
        showMessage(STORAGE_FULL);
    }
}

addEventListener('pagehide', keepNow);
document.addEventListener('visibilitychange', () => document.hidden && keepNow());
addEventListener('resize', () => tabs.forEach(rescale));

// ---- Start

const saved = kept();
for (const { id, chart } of saved?.index.sheets ?? []) {
    const state = saved.states.get(id);
    const sheet = state ? WebSheet.restore(state) : null;
    if (sheet) addSheet(sheet, { id, chart });
}
if (!tabs.length) addSheet(new WebSheet(100));
activate(tabs.find((t) => t.id === saved?.index.active) ?? tabs[0]);
document.documentElement.dataset.ready = 'true';
performance.mark('vexolan-ready');

if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('service_worker.js').catch(() => {});
}
