// The range chart of a sheet as a panel under it: a line per weapon, a column per range, each
// cell coloured by its chance, the bracket edges and the slider's range marked, the expected
// damage and the legend. Drawn afresh from the model's chart after every action while shown.

import { showTip, hideTip } from './dialogs.js';

const make = (tag, props = {}) => Object.assign(document.createElement(tag), props);
const hex = (rgb) => `#${rgb.toString(16).padStart(6, '0')}`;

function cell(tag, text, props = {}) {
    return make(tag, { textContent: text, ...props });
}

function withTip(element, text) {
    element.dataset.tip = text;
    element.addEventListener('pointerenter', () => showTip(element, text));
    element.addEventListener('pointerleave', hideTip);
    element.addEventListener('click', () => showTip(element, text));
    return element;
}

function grid(chart) {
    const table = make('table', { className: 'grid' });
    const heading = make('tr');
    heading.append(
        cell('th', ''),
        ...chart.lines[0].cells.map((_, at) => cell('th', String(at + 1), { scope: 'col' })),
    );
    table.createTHead().append(heading);
    const body = table.createTBody();
    for (const line of chart.lines) {
        const row = make('tr');
        row.append(cell('th', line.label, { scope: 'row' }));
        line.cells.forEach((it, at) => {
            const td = withTip(cell('td', it.text, { ariaLabel: it.spoken }), it.toolTip);
            const band = chart.legend[it.band];
            if (it.outOfRange) {
                td.classList.add('beyond');
            } else {
                td.style.background = hex(band.colour);
                td.style.color = hex(band.textColour);
            }
            if (it.bracketEdge) td.classList.add('edge');
            if (at + 1 === chart.presentRange) td.classList.add('present');
            row.append(td);
        });
        body.append(row);
    }
    const damage = make('tr', { className: 'damage' });
    damage.append(
        withTip(
            cell('th', chart.expectedDamageHeading, { scope: 'row' }),
            chart.damageLine.toolTip,
        ),
        ...chart.expectedDamage.map((text, at) =>
            cell('td', text, { className: at + 1 === chart.presentRange ? 'present' : '' }),
        ),
    );
    body.append(damage);
    return table;
}

function legend(chart) {
    const list = make('ul', { className: 'legend', ariaLabel: chart.legendHeading });
    const entry = (className, text, colour) => {
        const swatch = make('span', { className: `swatch ${className}` });
        if (colour !== undefined) swatch.style.background = hex(colour);
        const item = make('li');
        item.append(swatch, text);
        return item;
    };
    list.append(
        ...chart.legend.map((band) => entry('band', band.label, band.colour)),
        entry('beyond', chart.outOfRange.label),
        entry('edge', chart.bracketEdge.label),
        entry('present', chart.presentRangeMark.label),
    );
    const heading = make('p', { textContent: chart.legendHeading, className: 'legend-heading' });
    return [heading, list];
}

// Fills the panel with the chart; its marks' colours and widths are the model's.
export function drawRangeChart(panel, chart) {
    panel.style.setProperty('--hatch', hex(chart.outOfRange.colour));
    panel.style.setProperty(
        '--edge',
        `${chart.bracketEdge.width}px solid ${hex(chart.bracketEdge.colour)}`,
    );
    panel.style.setProperty(
        '--present',
        `${chart.presentRangeMark.width}px solid ${hex(chart.presentRangeMark.colour)}`,
    );
    panel.style.setProperty('--damage', hex(chart.damageLine.colour));
    panel.querySelector('h2').textContent = chart.title;
    const body = panel.querySelector('.chart-body');
    if (chart.notice) {
        body.replaceChildren(make('p', { className: 'notice', textContent: chart.notice }));
    } else {
        body.replaceChildren(grid(chart), ...legend(chart));
    }
}
