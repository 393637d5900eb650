// The page's tabs, one for each of its sheets in the order the sheets keep, each with its menu
// bar, its sheet drawn from the layout and its range chart panel; one tab shown at a time.

import { SheetView, BASE_SCALE } from './sheet_view.js';
import { hideTip } from './dialogs.js';
import { ChartPanel } from './chart_panel.js';

const make = (tag, props = {}) => Object.assign(document.createElement(tag), props);

export const labelOf = (tab) => `${tab.title || 'Vexolan'}${tab.modified ? '*' : ''}`;

export class Tabs {
    // `sheets` are the page's sheets; `page` acts for a tab: `act(tab, action, codeName,
    // argument)` passes the user's input on, `menuBar(tab)` makes its menu bar, `close(tab)`
    // closes it, and `changed(tab)` and `shown(tab)` say what the page keeps.
    constructor(sheets, layout, page) {
        this.sheets = sheets;
        this.layout = layout;
        this.page = page;
        this.bar = document.getElementById('tabs');
        this.area = document.getElementById('sheets');
        this.byId = new Map();
        this.active = null;
        this.bar.addEventListener('keydown', (event) => this.arrowKey(event));
        addEventListener('resize', () => this.all().forEach((tab) => this.rescale(tab)));
    }

    // The tabs in the order of the sheets.
    all() {
        return JSON.parse(this.sheets.order())
            .map((id) => this.byId.get(id))
            .filter(Boolean);
    }

    has(tab) {
        return this.byId.get(tab.id) === tab;
    }

    // A tab for the sheet of that id, at its place among the others.
    add(id, { uid, chart = false }) {
        const tab = { id, uid, title: '', modified: false, zoom: 0, mechFile: '' };
        tab.view = new SheetView(this.layout, `s${id}`, (action, codeName, argument) =>
            this.page.act(tab, action, codeName, argument),
        );
        tab.panel = make('section', { className: 'sheet-tab', id: `s${id}-panel`, hidden: true });
        tab.panel.setAttribute('role', 'tabpanel');
        tab.frame = make('div', { className: 'frame' });
        tab.frame.append(tab.view.element);
        tab.chart = new ChartPanel(
            `s${id}-chart`,
            () => JSON.parse(this.sheets.rangeChartJson(id)),
            () => this.page.changed(tab),
        );
        tab.panel.append(this.page.menuBar(tab), tab.frame, tab.chart.element);
        this.area.append(tab.panel);
        tab.button = make('button', { type: 'button', id: `s${id}-tab`, className: 'tab' });
        tab.button.setAttribute('role', 'tab');
        tab.button.setAttribute('aria-controls', tab.panel.id);
        tab.button.addEventListener('click', () => this.activate(tab));
        tab.panel.setAttribute('aria-labelledby', tab.button.id);
        tab.closeButton = make('button', { type: 'button', className: 'close', textContent: '×' });
        tab.closeButton.addEventListener('click', () => this.page.close(tab, { tapped: true }));
        tab.holder = make('div', { className: 'tab-holder' });
        tab.holder.setAttribute('role', 'presentation');
        tab.holder.append(tab.button, tab.closeButton);
        this.byId.set(id, tab);
        const order = this.all();
        this.bar.insertBefore(tab.holder, order[order.indexOf(tab) + 1]?.holder ?? null);
        const { update } = JSON.parse(this.sheets.view(id));
        tab.view.apply(update.changed);
        this.showWindow(tab, update.window);
        if (chart) tab.chart.show();
        this.page.changed(tab);
        return tab;
    }

    remove(tab) {
        this.byId.delete(tab.id);
        tab.panel.remove();
        tab.holder.remove();
    }

    activate(tab) {
        this.active = tab;
        for (const other of this.byId.values()) {
            other.panel.hidden = other !== tab;
            other.button.ariaSelected = String(other === tab);
            other.button.tabIndex = other === tab ? 0 : -1;
        }
        document.title = labelOf(tab);
        hideTip();
        this.rescale(tab);
        this.page.shown(tab);
    }

    // The sheet's title, whether its file lacks a change, and its zoom, when they changed.
    showWindow(tab, window) {
        if (window.title === undefined) return;
        Object.assign(tab, {
            title: window.title,
            modified: window.modified,
            mechFile: window.mechFile,
        });
        tab.button.textContent = labelOf(tab);
        tab.button.title = labelOf(tab);
        tab.closeButton.ariaLabel = `Close ${labelOf(tab)}`;
        if (tab === this.active) document.title = labelOf(tab);
        if (tab.zoom !== window.zoom) {
            tab.zoom = window.zoom;
            this.rescale(tab);
        }
    }

    // The sheet at half as large again as the desktop's at the least, times the sheet's zoom,
    // and as wide as the window where that is wider; narrower windows scroll.
    rescale(tab) {
        const room = this.area.clientWidth / this.layout.width;
        const zoom = tab.zoom / this.layout.actualSize;
        tab.view.element.style.zoom = Math.max(BASE_SCALE * zoom, room);
    }

    arrowKey(event) {
        const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
        if (!step || !this.active) return;
        const tabs = this.all();
        const next = tabs[(tabs.indexOf(this.active) + step + tabs.length) % tabs.length];
        this.activate(next);
        next.button.focus();
    }
}
