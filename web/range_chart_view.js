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
    // A cell the keyboard reached shows how its number is made, as the pointer does.
    element.addEventListener('focus', () => {
        if (element.matches(':focus-visible')) showTip(element, element.dataset.tip);
    });
    element.addEventListener('blur', hideTip);
    return element;
}

// The cell that holds the grid's one stop of the keyboard, as [line, column].
function stopOf(table) {
    const td = table?.querySelector('td[tabindex="0"]');
    return td ? [td.parentElement.sectionRowIndex, td.cellIndex - 1] : [0, 0];
}

function moveStop(table, [line, column], focus) {
    const rows = table.tBodies[0].rows;
    const at = Math.max(0, Math.min(line, rows.length - 1));
    const cells = [...rows[at].cells].slice(1);
    const cell = cells[Math.max(0, Math.min(column, cells.length - 1))];
    table.querySelector('td[tabindex="0"]')?.setAttribute('tabindex', '-1');
    cell.tabIndex = 0;
    if (focus) cell.focus();
}

const MOVES = {
    ArrowLeft: ([line, column]) => [line, column - 1],
    ArrowRight: ([line, column]) => [line, column + 1],
    ArrowUp: ([line, column]) => [line - 1, column],
    ArrowDown: ([line, column]) => [line + 1, column],
    Home: ([line]) => [line, 0],
    End: ([line]) => [line, Infinity],
};

// The grid is one stop of Tab; the arrow keys go from cell to cell, Home and End to the ends
// of the line.
function gridKey(table, event) {
    const move = MOVES[event.key];
    if (!move || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
    event.preventDefault();
    moveStop(table, move(stopOf(table)), true);
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
    table.setAttribute('role', 'grid');
    table.ariaReadOnly = 'true';
    table.addEventListener('keydown', (event) => gridKey(table, event));
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
            const td = withTip(make('td', { tabIndex: -1 }));
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
    // The expected damage's heading takes the colours of its line. The keyboard keeps its cell.
    const damage = chart.lines.at(-1).cells[0];
    panel.style.setProperty('--damage', hex(damage.background));
    panel.style.setProperty('--damage-text', hex(damage.foreground));
    const before = body.querySelector('table');
    const focused = before?.contains(document.activeElement);
    const table = grid(chart);
    table.setAttribute('aria-labelledby', panel.querySelector('h2').id);
    body.replaceChildren(table, ...legend(chart));
    moveStop(table, stopOf(before), focused);
}

// Draws what the model's chart says: the whole chart, or the cells and headings that changed.
export function drawRangeChart(panel, chart) {
    panel.querySelector('h2').textContent = chart.title;
    if (chart.whole) return drawWhole(panel, chart);
    const rows = panel.querySelector('.chart-body tbody')?.rows;
    for (const [line, column, cell] of chart.cells) showCell(rows[line].cells[column + 1], cell);
    for (const [line, heading] of chart.headings) rows[line].cells[0].textContent = heading;
}
