// The lance: a line for each of the page's sheets in the order they opened, under the view's
// headings, with the view's commands; activating a line brings its sheet's tab to the front.
// Only the lines the lance says changed are drawn again. It stands in the shown tab under the
// menu bar: above the sheet in the desktop's form, in the sheet's place where the sheet flows, so
// that no control of the sheet lies half under the sheet's bars; there a tab, or a line, brings
// the sheet back.

import { make } from './elements.js';

// `heading` names a cell's column beside it where a phone shows its line as a card.
function withRole(element, role, heading) {
    element.setAttribute('role', role);
    if (heading) element.dataset.heading = heading;
    return element;
}

export class LancePanel {
    // `lanceNow(whole)` gives the lance's view, `run(codeName)` carries out one of its commands
    // and `select(id)` brings the sheet of that id to the front.
    constructor(lanceNow, run, select) {
        this.lanceNow = lanceNow;
        this.run = run;
        this.shown = false;
        this.element = make('section', { className: 'lance', hidden: true, tabIndex: -1 });
        this.heading = make('h2', { id: 'lance-title' });
        this.element.setAttribute('aria-labelledby', this.heading.id);
        this.bar = make('div', { className: 'chart-bar' });
        this.bar.append(this.heading);
        this.head = make('tr');
        this.body = make('tbody');
        // Roles named outright keep the table a table to a screen reader where a phone shows
        // each line as a card.
        const table = withRole(make('table', { className: 'grid' }), 'table');
        const body = make('div', { className: 'chart-body' });
        body.append(table);
        table.append(withRole(make('thead'), 'rowgroup'), withRole(this.body, 'rowgroup'));
        withRole(this.head, 'row');
        table.tHead.append(this.head);
        this.element.append(this.bar, body);
        this.body.addEventListener('click', (event) => {
            const row = event.target.closest('tr');
            if (row) select(Number(row.dataset.id));
        });
        this.buttons = new Map();
    }

    // Shown at the user's asking, the lance takes the keyboard at its first line.
    show(asked = false) {
        this.shown = true;
        this.element.hidden = false;
        this.draw(this.lanceNow(true));
        if (!asked) return;
        this.element.scrollIntoView({ block: 'nearest' });
        (this.body.querySelector('button') ?? this.element).focus();
    }

    hide() {
        this.shown = false;
        this.element.hidden = true;
    }

    // In the panel of the tab shown, between its menu bar and its sheet.
    standIn(panel) {
        panel.querySelector(':scope > .menubar').after(this.element);
    }

    // Whether the lance stands in the place of the sheet shown.
    get insteadOfSheet() {
        return this.shown && !!this.element.parentElement?.querySelector('.sheet.flow');
    }

    // After every change of any sheet, while the panel is shown.
    follow() {
        if (this.shown) this.draw(this.lanceNow(false));
    }

    draw(lance) {
        if (!this.head.childElementCount) this.build(lance);
        for (const [codeName, , enabled] of lance.buttons)
            this.buttons.get(codeName).disabled = !enabled;
        const rows = this.body.rows;
        while (rows.length > lance.count) this.body.lastElementChild.remove();
        while (rows.length < lance.count) {
            const row = withRole(make('tr'), 'row');
            row.append(
                withRole(make('th', { scope: 'row' }), 'rowheader'),
                ...lance.headings.slice(1).map((heading) => withRole(make('td'), 'cell', heading)),
            );
            row.cells[0].append(make('button', { type: 'button' }));
            this.body.append(row);
        }
        for (const [index, line] of lance.lines) {
            const row = rows[index];
            row.dataset.id = line.id;
            row.dataset.results = line.results;
            line.cells.forEach((text, at) => {
                (at ? row.cells[at] : row.cells[0].firstChild).textContent = text;
            });
            row.cells[0].firstChild.ariaLabel = line.spoken;
        }
    }

    build(lance) {
        this.heading.textContent = lance.title;
        this.head.append(
            ...lance.headings.map((text) =>
                withRole(make('th', { scope: 'col', textContent: text }), 'columnheader'),
            ),
        );
        for (const [codeName, caption] of lance.buttons) {
            const button = make('button', { type: 'button', textContent: caption });
            button.addEventListener('click', () => this.run(codeName));
            this.buttons.set(codeName, button);
            this.bar.append(button);
        }
    }
}
