// A kept sheet that this page cannot restore is never deleted unasked: its user hears which
// sheet and why, and may save what it holds as a Mech file.

import { ask, showMessage } from './dialogs.js';
import { saveFile } from './files.js';

const SET_ASIDE_ANSWERS = ['Save as Mech File', 'Delete', 'Keep'];

// `vexolan` is the model, `keeping` the page's storage.
export async function setAside(vexolan, keeping, record) {
    let title = '';
    try {
        title = String(JSON.parse(record.state).title ?? '');
    } catch {
        // nothing of it reads
    }
    const named = title ? `The sheet "${title}"` : 'A sheet';
    const state = typeof record.state === 'string' ? record.state : '';
    const why = vexolan.whyNotRestored(state);
    const answer = await ask(
        `${named} kept in this browser cannot be restored: ${why}. It stays in the browser's ` +
            'storage, untouched, until you delete it.',
        SET_ASIDE_ANSWERS,
    );
    if (answer === 'Save as Mech File') {
        const mech = JSON.parse(vexolan.salvagedMech(state));
        if (mech.name) await saveFile(mech.name, mech.bytes);
        else showMessage('Nothing of that sheet can be read: there is no Mech to save.');
    } else if (answer === 'Delete') {
        await keeping.keeper.forget(record.uid).catch(() => {});
    }
}
