// The page's tabs, one for each of its sheets in the order the sheets keep; one tab shown at a
// time, the arrow keys going from one to the next.

import { hideTip } from './dialogs.js';
import { Tab } from './tab.js';

export class Tabs {
    // `sheets` are the page's sheets; `page` acts for a tab (see Tab) and hears which is
    // `shown(tab)`.
    constructor(sheets, layout, page) {
        this.sheets = sheets;
        this.layout = layout;
        this.page = page;
        this.bar = document.getElementById('tabs');
        this.area = document.getElementById('sheets');
        this.byId = new Map();
        this.tabbing = 0; // the way Tab goes while the browser moves the keyboard
        // Any other key, a tap, or leaving the window ends what a Tab started.
        document.addEventListener('keydown', (event) => this.tabKey(event), { capture: true });
        document.addEventListener('pointerdown', () => (this.tabbing = 0), { capture: true });
        addEventListener('blur', () => (this.tabbing = 0));
        document.addEventListener('focusin', (event) => this.entered(event), { capture: true });
        this.active = null;
        this.bar.addEventListener('keydown', (event) => this.arrowKey(event));
        addEventListener('resize', () => this.all().forEach((tab) => tab.rescale()));
        // The menu bar stays on screen under the tab bar, however many lines that takes. Its
        // height is given to the elements that stand below it, not to the whole page: a value
        // that the whole page inherits would have every control's style worked out again.
        this.barHeight = 0;
        new ResizeObserver(() => {
            this.barHeight = this.bar.offsetHeight;
            document.querySelectorAll('.menubar').forEach((bar) => this.standBelow(bar));
            document.documentElement.style.scrollPaddingTop = `${this.barHeight + 96}px`;
        }).observe(this.bar);
    }

    // A sheet's menu bar stands below the tab bar while the sheet scrolls.
    standBelow(menuBar) {
        menuBar.style.top = `${this.barHeight}px`;
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

    // A tab for the sheet of that id, at its place among the others, drawn whole.
    add(id, { uid, chart = false }) {
        const tab = new Tab(id, uid, this.layout, this.sheets, this.page);
        this.area.append(tab.panel);
        this.byId.set(id, tab);
        const order = this.all();
        this.bar.insertBefore(tab.holder, order[order.indexOf(tab) + 1]?.holder ?? null);
        const { update } = JSON.parse(this.sheets.view(id));
        tab.draw(update);
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
        for (const other of this.byId.values()) other.select(other === tab);
        hideTip();
        this.page.shown(tab);
    }

    tabKey(event) {
        this.tabbing = event.key === 'Tab' ? (event.shiftKey ? -1 : 1) : 0;
    }

    // Tab into the sheet shown from the page around it.
    entered(event) {
        const step = this.tabbing;
        this.tabbing = 0;
        const view = this.active?.view;
        if (!step || !view?.element.contains(event.target)) return;
        if (!view.element.contains(event.relatedTarget)) view.enter(step);
    }

    // The arrow keys go from tab to tab; Delete closes the tab shown.
    arrowKey(event) {
        if (event.key === 'Delete' && this.active) {
            this.page.close(this.active).then(() => this.active?.button.focus());
            return;
        }
        const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
        if (!step || !this.active) return;
        const tabs = this.all();
        const next = tabs[(tabs.indexOf(this.active) + step + tabs.length) % tabs.length];
        this.activate(next);
        next.button.focus();
    }
}
