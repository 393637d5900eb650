// The open sheets kept in the browser's storage, each under a key of its own, so that they
// come back after a reload or after a tablet closed the page.

const INDEX = 'vexolan.sheets';
const sheetKey = (id) => `vexolan.sheet.${id}`;

// Writes what changed; false when the storage is full, which leaves what it held before.
export function keep(index, states) {
    try {
        for (const [id, state] of states) localStorage.setItem(sheetKey(id), state);
        localStorage.setItem(INDEX, JSON.stringify(index));
        return true;
    } catch (error) {
        if (error.name === 'QuotaExceededError') return false;
        throw error;
    }
}

export function forget(id) {
    localStorage.removeItem(sheetKey(id));
}

// The index ({sheets: [{id, chart}], active}) and each sheet's state, or none.
export function kept() {
    try {
        const index = JSON.parse(localStorage.getItem(INDEX));
        if (!index || !Array.isArray(index.sheets)) return null;
        return { index, states: new Map(index.sheets.map(({ id }) => [id, localStorage.getItem(sheetKey(id))])) };
    } catch {
        return null;
    }
}
