// The sheet on a window too narrow for the desktop's form: the layout's pieces (a panel, the
// weapon rows, the results) stood in the columns of the arrangement that the layout gives for the
// window's width. The style sheet lays out each piece's cells; on the desktop's form the pieces'
// holders draw nothing, and every control stands at its place of the layout.

import { make } from './elements.js';

// The widest arrangement that fits a window that wide, under a finger or with a mouse.
export function arrangementFor(arrangements, width, byFinger) {
    const key = byFinger ? 'minWidthByFinger' : 'minWidth';
    return arrangements.findLast((arrangement) => width >= arrangement[key]) ?? arrangements[0];
}

// The holder of each piece of the sheet, with the piece's controls moved into it: a weapon row's
// fields in a holder of their row.
export function gatherPieces(sheet, pieces, boxes, controls) {
    return pieces.map(({ name, cells }) => {
        const piece = make('div', { className: `piece ${name}` });
        piece.dataset.piece = name;
        const rows = new Map();
        for (const { place, cell } of cells) {
            const box = boxes[place];
            if (cell) {
                box.dataset.cell = cell;
                box.style.gridArea = cell;
            }
            const row = controls[place].row;
            if (name === 'weapons' && !rows.has(row)) {
                rows.set(row, make('div', { className: row < 0 ? 'row headings' : 'row' }));
                piece.append(rows.get(row));
            }
            (rows.get(row) ?? piece).append(box);
        }
        sheet.append(piece);
        return piece;
    });
}

// Stands the pieces as the arrangement says: pieces that share the columns with others go in a
// band, each column a holder of its pieces one under the other; a piece over every column takes
// a band of its own.
export function arrange(sheet, pieces, arrangement) {
    const focused = document.activeElement;
    sheet.dataset.arrangement = arrangement.name;
    sheet.dataset.rows = arrangement.rows;
    sheet.classList.toggle('flow', arrangement.columns > 0);
    for (const band of sheet.querySelectorAll(':scope > .band')) band.remove();
    if (!arrangement.columns) {
        sheet.prepend(...pieces);
    } else {
        let band = null;
        const columns = new Map();
        const bands = [];
        pieces.forEach((piece, at) => {
            const { column, span } = arrangement.places[at];
            if (span === arrangement.columns) {
                band = null;
                bands.push(piece);
                return;
            }
            if (!band) {
                band = make('div', { className: 'band' });
                band.style.setProperty('--columns', arrangement.columns);
                columns.clear();
                bands.push(band);
            }
            if (!columns.has(column)) {
                const holder = make('div', { className: 'column' });
                holder.style.gridColumn = `${column + 1} / span ${span}`;
                columns.set(column, holder);
                band.append(holder);
            }
            columns.get(column).append(piece);
        });
        sheet.prepend(...bands);
    }
    if (focused !== document.activeElement && sheet.contains(focused)) {
        focused.focus({ preventScroll: true });
    }
}

// The piece the arrangement keeps on screen at the foot of the window, where the window is low
// enough to need it.
export function markStaying(pieces, arrangement, height) {
    const below = arrangement.stayingBelowHeight;
    const stays = !below || height < below;
    for (const piece of pieces) {
        piece.classList.toggle('staying', stays && piece.dataset.piece === arrangement.staying);
    }
}
