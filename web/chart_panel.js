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
        close.addEventListener('click', () => {
            this.shown = false;
            this.element.hidden = true;
            closed();
        });
        const bar = make('div', { className: 'chart-bar' });
        bar.append(heading, copy, close);
        this.element.append(bar, make('div', { className: 'chart-body' }));
    }

    show(bringToView = false) {
        this.shown = true;
        this.element.hidden = false;
        this.redraw();
        if (bringToView) this.element.scrollIntoView({ block: 'nearest' });
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
