// Mech files from and to the user's disk: the File System Access API where the browser has
// it, so that Save writes back to the file that was opened; a file chooser and downloads
// elsewhere. Names are what the model knows a file by.

const TYPES = [{ description: 'Mech files', accept: { 'application/x-vexolan-mech': ['.vexmech'] } }];
const handles = new Map(); // file name -> the handle to write it through

const chooser = Object.assign(document.createElement('input'), { type: 'file', multiple: true, accept: '.vexmech', hidden: true });
document.body.append(chooser);

function choose() {
    return new Promise((resolve) => {
        chooser.value = '';
        chooser.onchange = () => resolve([...chooser.files]);
        chooser.oncancel = () => resolve([]);
        chooser.click();
    });
}

// The files the user chose, as [name, bytes] pairs; none when the choice was cancelled.
export async function chooseFiles() {
    let files;
    if (window.showOpenFilePicker) {
        try {
            const chosen = await window.showOpenFilePicker({ multiple: true, types: TYPES });
            files = await Promise.all(chosen.map(async (handle) => {
                handles.set(handle.name, handle);
                return handle.getFile();
            }));
        } catch (error) {
            if (error.name === 'AbortError') return [];
            throw error;
        }
    } else {
        files = await choose();
    }
    return Promise.all(files.map(async (file) => [file.name, new Uint8Array(await file.arrayBuffer())]));
}

// The name to save to, chosen in the browser's own save dialog; undefined where there is none,
// null when the user cancelled.
export async function chooseSaveName(suggested) {
    if (!window.showSaveFilePicker) return undefined;
    try {
        const handle = await window.showSaveFilePicker({ suggestedName: suggested, types: TYPES });
        handles.set(handle.name, handle);
        return handle.name;
    } catch (error) {
        if (error.name === 'AbortError') return null;
        throw error;
    }
}

export async function writeFile(name, bytes) {
    const handle = handles.get(name);
    if (handle) {
        const writable = await handle.createWritable();
        await writable.write(bytes);
        await writable.close();
        return;
    }
    const link = Object.assign(document.createElement('a'), { download: name, href: URL.createObjectURL(new Blob([bytes], { type: 'application/x-vexolan-mech' })) });
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}
