// A sheet's menu bar, as the desktop's with the page's own entries, the arrow keys along it and
// down its menus, and the menu's keys where the browser lets a page have them.

import { hideTip } from './dialogs.js';
import { make } from './elements.js';
import { LOOKS } from './look.js';

// The page's own entries of the File menu, after the Mech's, and the desktop's that a page has
// no use for: the browser closes the page.
export const BACK_UP = 'Back Up All Sheets...';
export const RESTORE = 'Restore Sheets...';
const DESKTOP_ONLY = new Set(['mnuQuit']);

// The sheet's menu with the page's own entries after the Mech's, and the page's looks at the end
// of View: a choice of the page's, which the desktop does not offer.
export function pageMenu(layout) {
    // The browser keeps Ctrl+W for its own tabs: the page's Close has no key.
    const menu = layout.menu
        .filter((entry) => !DESKTOP_ONLY.has(entry.codeName))
        .map((entry) => (entry.codeName === 'mnuClose' ? { ...entry, keys: [] } : entry));
    const after = menu.findIndex((entry) => entry.codeName === 'mnuSaveAs') + 1;
    const own = [BACK_UP, RESTORE].map((caption) => ({
        codeName: caption,
        caption,
        menu: 'File',
        keys: [],
    }));
    const looks = [...LOOKS.keys()].map((caption) => ({
        codeName: caption,
        caption,
        menu: 'View',
        keys: [],
        lookChoice: caption,
    }));
    const view = menu.findLastIndex((entry) => entry.menu === 'View') + 1;
    return [
        ...menu.slice(0, after),
        ...own,
        ...menu.slice(after, view),
        ...looks,
        ...menu.slice(view),
    ];
}

export const captionOf = (menu, codeName) =>
    menu.find((entry) => entry.codeName === codeName).caption;

// The entries along the bar itself: the menus' titles and the commands of their own.
const TITLES = ':scope > button, :scope > .menu > button';

// A menu bar of these entries; `run(codeName)` carries out the entry chosen.
export function menuBar(menu, run) {
    const bar = make('div', { className: 'menubar' });
    bar.setAttribute('role', 'menubar');
    bar.ariaLabel = 'Menu';
    const menus = new Map();
    for (const entry of menu) {
        const item = make('button', { type: 'button', textContent: entry.caption });
        item.setAttribute('role', entry.lookChoice ? 'menuitemradio' : 'menuitem');
        if (entry.lookChoice) item.dataset.lookChoice = entry.lookChoice;
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
                run(entry.codeName);
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
            item.addEventListener('click', () => run(entry.codeName));
            bar.append(item);
        }
    }
    bar.addEventListener('keydown', (event) => menuKey(bar, event));
    // The menu bar is one stop of Tab, at the title the keyboard was last on.
    const titles = [...bar.querySelectorAll(TITLES)];
    titles.forEach((title, at) => (title.tabIndex = at ? -1 : 0));
    bar.addEventListener('focusin', (event) => {
        if (!titles.includes(event.target)) return;
        for (const title of titles) title.tabIndex = title === event.target ? 0 : -1;
    });
    return bar;
}

function openMenu(button, list, open) {
    closeMenus();
    list.hidden = !open;
    button.ariaExpanded = String(open);
    // A menu near the window's right edge opens leftwards, inside the window.
    list.style.translate = '';
    const over = list.getBoundingClientRect().right - document.documentElement.clientWidth;
    if (open && over > 0) list.style.translate = `${-over}px`;
}

function closeMenus() {
    for (const list of document.querySelectorAll('.dropdown:not([hidden])')) {
        list.hidden = true;
        list.previousElementSibling.ariaExpanded = 'false';
    }
}

// The arrow keys go along the menu bar and down a menu; Esc closes it.
function menuKey(bar, event) {
    const top = [...bar.querySelectorAll(TITLES)];
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

// A tap outside a menu closes it, and outside a tip hides it; the menu's keys run its entries
// on the sheet shown: `run(codeName)`, unless a dialog is open.
export function listenForMenuKeys(menu, run) {
    document.addEventListener('pointerdown', (event) => {
        if (!event.target.closest('.menu')) closeMenus();
        if (!event.target.closest('[data-tip]')) hideTip();
    });
    const shortcuts = new Map(
        menu.flatMap((entry) => entry.keys.map((keys) => [keys, entry.codeName])),
    );
    document.addEventListener('keydown', (event) => {
        if (event.key === 'Escape') hideTip();
        if (document.querySelector('dialog[open]') || !(event.ctrlKey || event.metaKey)) return;
        const key = event.key.length === 1 ? event.key.toUpperCase() : event.key;
        const shift = event.shiftKey && /^[A-Z]$/.test(key) ? 'Shift+' : '';
        const codeName = shortcuts.get(`Ctrl+${shift}${key}`);
        if (!codeName) return;
        event.preventDefault();
        run(codeName);
    });
}
