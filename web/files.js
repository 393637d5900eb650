// Files from and to the user's disk: the File System Access API where the browser has it, so
// that Save writes back to the file that was opened; a file chooser and downloads elsewhere, or
// the system's share sheet in the page installed as an app on a phone, which has no downloads
// folder to speak of. Names are what the model knows a file by.

import { showMessage } from './dialogs.js';

export const MECH_FILES = {
    description: 'Mech files',
    accept: { 'application/x-vexolan-mech': ['.vexmech'] },
};
export const SHEETS_FILES = {
    description: 'Sheet backups',
    accept: { 'application/x-vexolan-sheets': ['.vexsheets'] },
};
export const LANCE_FILES = {
    description: 'Lance files',
    accept: { 'application/x-vexolan-lance': ['.vexlance'] },
};
const handles = new Map(); // file name -> the handle to write it through

// The chooser names no type: iOS greys out a file whose type it does not know, which a Mech file
// is, so every file can be chosen and the reader's own check speaks. Made at the first choice.
let chooser = null;

function choose(multiple) {
    if (!chooser) {
        chooser = Object.assign(document.createElement('input'), { type: 'file', hidden: true });
        document.body.append(chooser);
    }
    return new Promise((resolve) => {
        chooser.value = '';
        chooser.multiple = multiple;
        chooser.onchange = () => resolve([...chooser.files]);
        chooser.oncancel = () => resolve([]);
        chooser.click();
    });
}

// The files the user chose, as [name, bytes] pairs; none when the choice was cancelled.
export async function chooseFiles({ type = MECH_FILES, multiple = true } = {}) {
    let files;
    if (window.showOpenFilePicker) {
        try {
            const chosen = await window.showOpenFilePicker({ multiple, types: [type] });
            files = await Promise.all(
                chosen.map(async (handle) => {
                    handles.set(handle.name, handle);
                    return handle.getFile();
                }),
            );
        } catch (error) {
            if (error.name === 'AbortError') return [];
            throw error;
        }
    } else {
        files = await choose(multiple);
    }
    return Promise.all(
        files.map(async (file) => [file.name, new Uint8Array(await file.arrayBuffer())]),
    );
}

// The name to save to, chosen in the browser's own save dialog; undefined where there is none,
// null when the user cancelled.
export async function chooseSaveName(suggested, type = MECH_FILES) {
    if (!window.showSaveFilePicker) return undefined;
    try {
        const handle = await window.showSaveFilePicker({ suggestedName: suggested, types: [type] });
        handles.set(handle.name, handle);
        return handle.name;
    } catch (error) {
        if (error.name === 'AbortError') return null;
        throw error;
    }
}

const installed = () =>
    matchMedia('(display-mode: standalone)').matches || navigator.standalone === true;

function typeOf(name) {
    const type = [MECH_FILES, SHEETS_FILES, LANCE_FILES].find((t) =>
        Object.values(t.accept)[0].some((e) => name.endsWith(e)),
    );
    return Object.keys((type ?? MECH_FILES).accept)[0];
}

// Writes the file and tells how: 'written' through the handle it came from, 'shared' through
// the system's share sheet, or 'downloaded'. A share the user turns down becomes a download, so
// that a file the sheet counts as saved is saved somewhere.
export async function writeFile(name, bytes) {
    const handle = handles.get(name);
    if (handle) {
        const writable = await handle.createWritable();
        await writable.write(bytes);
        await writable.close();
        return 'written';
    }
    const file = new File([bytes], name, { type: typeOf(name) });
    if (installed() && navigator.canShare?.({ files: [file] })) {
        try {
            await navigator.share({ files: [file] });
            return 'shared';
        } catch {
            // turned down, or not allowed now: the download below keeps it
        }
    }
    const link = Object.assign(document.createElement('a'), {
        download: name,
        href: URL.createObjectURL(file),
    });
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
    return 'downloaded';
}

// Saves a file that no file dialog of the browser's chose and tells where it went; false, after
// a message saying why, when it could not.
export async function saveFile(name, bytes) {
    try {
        if ((await writeFile(name, bytes)) === 'downloaded')
            showMessage(`Saved as a download: ${name}`);
        return true;
    } catch (error) {
        showMessage(`${name}: ${error.message}`);
        return false;
    }
}
