// One sheet's tab: its button in the tab bar with a close box, and its panel with the menu bar,
// the sheet drawn from the layout and the range chart panel.

import { SheetView } from './sheet_view.js';
import { arrangementFor } from './sheet_arrangement.js';
import { ChartPanel } from './chart_panel.js';
import { make } from './elements.js';

// WCAG's reflow width: a zoomed sheet keeps at least this many CSS pixels of room.
const NARROWEST = 320;

export class Tab {
    // The tab of the sheet of that id, kept under `uid`; `page` acts for it: `act(tab, action,
    // codeName, argument)` passes the user's input on, `menuBar(tab)` makes its menu bar,
    // `select(tab)` shows it, `close(tab)` closes it and `changed(tab)` keeps it.
    constructor(id, uid, layout, sheets, page) {
        this.id = id;
        this.uid = uid;
        this.layout = layout;
        this.title = '';
        this.modified = false;
        this.zoom = 0;
        this.view = new SheetView(layout, `s${id}`, (action, codeName, argument) =>
            page.act(this, action, codeName, argument),
        );
        this.chart = new ChartPanel(
            `s${id}-chart`,
            () => JSON.parse(sheets.rangeChartJson(id)),
            () => page.changed(this),
        );
        this.panel = make('section', { className: 'sheet-tab', id: `s${id}-panel`, hidden: true });
        this.panel.setAttribute('role', 'tabpanel');
        const frame = make('div', { className: 'frame' });
        frame.append(this.view.element);
        this.panel.append(page.menuBar(this), frame, this.chart.element);
        this.button = make('button', { type: 'button', id: `s${id}-tab`, className: 'tab' });
        this.button.setAttribute('role', 'tab');
        this.button.setAttribute('aria-controls', this.panel.id);
        this.button.addEventListener('click', () => page.select(this));
        this.panel.setAttribute('aria-labelledby', this.button.id);
        // A tab list holds nothing but tabs: its × is for the pointer, and the keyboard and a
        // screen reader close the tab with Delete, or with File → Close.
        this.button.setAttribute('aria-keyshortcuts', 'Delete');
        this.closeButton = make('button', {
            type: 'button',
            className: 'close',
            textContent: '×',
            tabIndex: -1,
            ariaHidden: 'true',
        });
        this.closeButton.addEventListener('click', () => page.close(this, { tapped: true }));
        this.holder = make('div', { className: 'tab-holder' });
        this.holder.setAttribute('role', 'presentation');
        this.holder.append(this.button, this.closeButton);
    }

    get label() {
        return `${this.title || 'Vexolan'}${this.modified ? '*' : ''}`;
    }

    // What an action or a first view of the sheet answered: its places that changed, where the
    // keyboard goes, and the window.
    draw(update) {
        this.view.apply(update.changed, update.focus);
        this.showWindow(update.window);
    }

    // The sheet's title, whether its file lacks a change, and its zoom, when they changed.
    showWindow(window) {
        if (window.title === undefined) return;
        this.title = window.title;
        this.modified = window.modified;
        this.button.textContent = this.label;
        this.button.title = this.label;
        this.closeButton.ariaLabel = `Close ${this.label}`;
        if (!this.panel.hidden) document.title = this.label;
        if (this.zoom !== window.zoom) {
            this.zoom = window.zoom;
            this.rescale();
        }
    }

    // The sheet at its zoom in the arrangement that the window's width then takes: the
    // desktop's form where its rows stand far enough apart for a mouse or a finger, and else
    // the pieces in columns, never wider than the window; a zoom that would leave a piece less
    // than the narrowest phone's width stops short of it.
    rescale() {
        const room = this.panel.parentElement.clientWidth;
        const zoom = this.zoom / this.layout.actualSize;
        const byFinger = matchMedia('(pointer: coarse)').matches;
        const { arrangements } = this.layout.arrangement;
        const arrangement = arrangementFor(arrangements, room / zoom, byFinger);
        this.view.arrange(arrangement, innerHeight);
        const formScale =
            arrangement[byFinger ? 'minWidthByFinger' : 'minWidth'] / this.layout.width;
        this.view.element.style.zoom = arrangement.columns
            ? Math.max(1, Math.min(zoom, room / NARROWEST))
            : formScale * zoom;
    }

    // Shown, or hidden behind another tab.
    select(shown) {
        this.panel.hidden = !shown;
        this.button.ariaSelected = String(shown);
        this.button.tabIndex = shown ? 0 : -1;
        if (shown) {
            document.title = this.label;
            this.rescale();
        }
    }
}
