// The range chart of a sheet as a panel under it, drawn as the model's chart scene says: a line
// per weapon and the expected damage last, a column per range, each cell with its colours,
// marks, tip and spoken text, and the legend. The whole chart is drawn once; after that only
// the cells and headings the scene says changed.

import { showTip, hideTip } from './dialogs.js';
import { make } from './elements.js';

const hex = (rgb) => `#${rgb.toString(16).padStart(6, '0')}`;

function withTip(element) {
    element.addEventListener('pointerenter', () => showTip(element, element.dataset.tip));
    element.addEventListener('pointerleave', hideTip);
    element.addEventListener('click', () => showTip(element, element.dataset.tip));
    return element;
}

function showCell(td, cell) {
    td.textContent = cell.text;
    td.ariaLabel = cell.spoken;
    td.dataset.tip = cell.toolTip;
    td.classList.toggle('beyond', cell.outOfRange);
    td.style.background = cell.outOfRange ? '' : hex(cell.background);
    td.style.color = cell.outOfRange ? '' : hex(cell.foreground);
    td.classList.toggle('edge', cell.bracketEdge);
    td.classList.toggle('present', cell.present);
}

function lineHeading(line) {
    const th = make('th', { textContent: line.heading, scope: 'row' });
    if (line.headingTip) {
        th.dataset.tip = line.headingTip;
        withTip(th);
    }
    return th;
}

function grid(chart) {
    const table = make('table', { className: 'grid' });
    const heading = make('tr');
    heading.append(
        make('th'),
        ...chart.lines[0].cells.map((_, at) =>
            make('th', { textContent: String(at + 1), scope: 'col' }),
        ),
    );
    table.createTHead().append(heading);
    const body = table.createTBody();
    for (const line of chart.lines) {
        const row = make('tr');
        row.append(lineHeading(line));
        for (const it of line.cells) {
            const td = withTip(make('td'));
            showCell(td, it);
            row.append(td);
        }
        body.append(row);
    }
    body.lastElementChild.className = 'damage';
    return table;
}

const SAMPLE_CLASSES = ['band', 'beyond', 'edge', 'present'];

function legend(chart) {
    const list = make('ul', { className: 'legend', ariaLabel: chart.legendHeading });
    list.append(
        ...chart.legend.map((entry) => {
            const swatch = make('span', { className: `swatch ${SAMPLE_CLASSES[entry.sample]}` });
            if (entry.sample === 0) swatch.style.background = hex(entry.colour);
            const item = make('li');
            item.append(swatch, entry.text);
            return item;
        }),
    );
    const heading = make('p', { textContent: chart.legendHeading, className: 'legend-heading' });
    return [heading, list];
}

// Fills the panel with the whole chart; its marks' colours and widths are the model's.
function drawWhole(panel, chart) {
    const colour = (sample) => hex(chart.legend.find((entry) => entry.sample === sample).colour);
    panel.style.setProperty('--hatch', colour(1));
    panel.style.setProperty('--edge', `${chart.markWidths.bracketEdge}px solid ${colour(2)}`);
    panel.style.setProperty('--present', `${chart.markWidths.presentRange}px solid ${colour(3)}`);
    const body = panel.querySelector('.chart-body');
    if (chart.notice) {
        body.replaceChildren(make('p', { className: 'notice', textContent: chart.notice }));
        return;
    }
    // The expected damage's heading takes the colours of its line.
    const damage = chart.lines.at(-1).cells[0];
    panel.style.setProperty('--damage', hex(damage.background));
    panel.style.setProperty('--damage-text', hex(damage.foreground));
    body.replaceChildren(grid(chart), ...legend(chart));
}

// Draws what the model's chart says: the whole chart, or the cells and headings that changed.
export function drawRangeChart(panel, chart) {
    panel.querySelector('h2').textContent = chart.title;
    if (chart.whole) return drawWhole(panel, chart);
    const rows = panel.querySelector('.chart-body tbody')?.rows;
    for (const [line, column, cell] of chart.cells) showCell(rows[line].cells[column + 1], cell);
    for (const [line, heading] of chart.headings) rows[line].cells[0].textContent = heading;
}
