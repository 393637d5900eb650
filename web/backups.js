// A backup of every sheet of the page in one file, and, where the browser may clear what it
// keeps (a Safari tab, not installed, without persistent storage), a reminder once a change is
// some days old and no backup holds it.

import { showNotice, hideNotice } from './notices.js';
import { chooseSaveName, saveFile, SHEETS_FILES } from './files.js';
import { BACK_UP } from './menus.js';

const BACKUP_NAME = 'vexolan-sheets.vexsheets';
// Safari clears what a site keeps after seven days without a visit: a backup is due well before.
const BACKUP_DUE_MS = 3 * 24 * 60 * 60 * 1000;

export class Backups {
    constructor(sheets, keeping) {
        this.sheets = sheets;
        this.keeping = keeping;
        this.due = false; // whether the reminder may show in this page
        // When the last backup was, and the first change since.
        this.note = { at: null, changedSince: null };
    }

    // Reads when the last backup was, and whether this browser may clear what it keeps.
    async start() {
        const keeper = this.keeping.keeper;
        if (!keeper) return;
        this.note = (await keeper.note('backup').catch(() => null)) ?? this.note;
        this.due = await mayBeCleared();
    }

    async backUp() {
        const bytes = this.sheets.backUp();
        let name = await chooseSaveName(BACKUP_NAME, SHEETS_FILES).catch(() => null);
        if (name === null) return;
        name ??= BACKUP_NAME;
        if (!(await saveFile(name, bytes))) return;
        hideNotice('backup');
        this.note = { at: Date.now(), changedSince: null };
        await this.keeping.keeper?.setNote('backup', this.note).catch(() => {});
    }

    // After a change on a sheet.
    noteChange() {
        if (!this.due) return;
        if (this.note.changedSince === null) {
            this.note = { ...this.note, changedSince: Date.now() };
            this.keeping.keeper.setNote('backup', this.note).catch(() => {});
        } else if (Date.now() - this.note.changedSince > BACKUP_DUE_MS) {
            this.due = false;
            showNotice(
                'backup',
                'These sheets changed days ago and no backup holds them yet. This browser may ' +
                    'delete what it keeps after seven days without a visit.',
                [
                    { caption: BACK_UP, run: () => this.backUp() },
                    { caption: 'Later', run: () => {} },
                ],
            );
        }
    }
}

async function mayBeCleared() {
    const installed =
        matchMedia('(display-mode: standalone)').matches || navigator.standalone === true;
    if (installed || !('storage' in navigator)) return !installed;
    const persisted =
        (await navigator.storage.persist?.().catch(() => false)) ||
        (await navigator.storage.persisted?.().catch(() => false));
    return !persisted;
}
