// A sheet's range chart as a panel under the sheet: shown or not, drawn afresh from the sheet
// as it stands, with Copy and Close.

import { drawRangeChart } from './range_chart_view.js';
import { make } from './elements.js';

export class ChartPanel {
    // `chartNow()` gives the chart of the sheet as it stands; `closed()` is told when the user
    // closes the panel.
    constructor(id, chartNow, closed) {
        this.chartNow = chartNow;
        this.shown = false;
        this.chart = null;
        this.element = make('section', { className: 'chart', hidden: true });
        const heading = make('h2', { id });
        this.element.setAttribute('aria-labelledby', heading.id);
        const copy = make('button', { type: 'button', textContent: 'Copy' });
        copy.addEventListener('click', () =>
            navigator.clipboard.writeText(this.chart.copyText).catch(() => {}),
        );
        const close = make('button', { type: 'button', textContent: 'Close' });
        close.addEventListener('click', () => this.close(closed));
        this.element.addEventListener('keydown', (event) => {
            if (event.key === 'Escape') this.close(closed);
        });
        const bar = make('div', { className: 'chart-bar' });
        bar.append(heading, copy, close);
        this.element.append(bar, make('div', { className: 'chart-body' }));
        this.element.tabIndex = -1;
        this.cameFrom = null; // where the keyboard was when the user asked for the chart
    }

    // Shown at the user's asking, the chart takes the keyboard at its grid.
    show(asked = false) {
        this.shown = true;
        this.element.hidden = false;
        this.redraw();
        if (!asked) return;
        this.element.scrollIntoView({ block: 'nearest' });
        const from = document.activeElement;
        // A menu's entry is gone with its menu: the keyboard goes back to the menu's title.
        if (!this.element.contains(from))
            this.cameFrom = from?.closest('.dropdown')?.previousElementSibling ?? from;
        (this.element.querySelector('td[tabindex="0"]') ?? this.element).focus();
    }

    // The keyboard goes back where it was before the chart took it, or else to the menu bar.
    close(closed) {
        this.shown = false;
        this.element.hidden = true;
        closed();
        const back = this.cameFrom?.isConnected && this.cameFrom.offsetParent !== null;
        const menuBar = this.element.parentElement?.querySelector('[role="menubar"] button');
        (back ? this.cameFrom : menuBar)?.focus();
        this.cameFrom = null;
    }

    // After every action on the sheet, while the panel is shown.
    follow() {
        if (this.shown) this.redraw();
    }

    redraw() {
        this.chart = this.chartNow();
        drawRangeChart(this.element, this.chart);
    }
}
