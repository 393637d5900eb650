// The open sheets kept in the browser's IndexedDB, so that they come back after a reload, after a
// tablet closed the page, or in a page opened later. Each page (a tab, or the installed app's
// window) keeps its own sheets, each under an id of its own, and holds a lock for as long as it
// lives (or, where the browser has no Web Locks, as outside a secure context, answers a roll
// call): a page that starts takes over the sheets of pages that are gone, and never touches those
// of a page still open, so that two pages never overwrite or delete each other's sheets.

const DATABASE = 'vexolan';
const SHEETS = 'sheets'; // {uid, owner, order, chart, state}
const NOTES = 'notes'; // small facts under a name: when the sheets were last backed up
const EARLIER_INDEX = 'vexolan.sheets'; // where pages before this one kept them, in localStorage
const earlierSheetKey = (id) => `vexolan.sheet.${id}`;
const PAGE_ID = 'vexolan.page'; // a tab's own id, which its reloads keep (sessionStorage)
const TAKING_OVER = 'vexolan.taking-over';
const lockOf = (page) => `vexolan.page.${page}`;
const ROLL_CALL = 'vexolan.pages';
// How long a page waits for the others to answer a roll call; a page busy for longer is taken
// for gone, which is why the locks come first where the browser has them.
const ROLL_CALL_WAIT = 300;
// A reloaded page waits this long for its earlier self to let go of its lock; a page that is a
// copy of an open tab, holding the same id, then takes an id of its own.
const RELOAD_WAIT = 1500;

export const newId = () =>
    [...crypto.getRandomValues(new Uint8Array(12))]
        .map((byte) => byte.toString(16).padStart(2, '0'))
        .join('');

const settled = (request) =>
    new Promise((resolve, reject) => {
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error);
    });

const finished = (transaction) =>
    new Promise((resolve, reject) => {
        transaction.oncomplete = () => resolve();
        transaction.onerror = () => reject(transaction.error);
        transaction.onabort = () => reject(transaction.error);
    });

// Runs the work on the stores in one transaction; resolves once it is written.
async function inTransaction(db, mode, work) {
    const transaction = db.transaction([SHEETS, NOTES], mode);
    const done = finished(transaction);
    let result;
    try {
        result = await work(transaction.objectStore(SHEETS), transaction.objectStore(NOTES));
    } catch (error) {
        transaction.abort();
        await done.catch(() => {});
        throw error;
    }
    await done;
    return result;
}

function openDatabase() {
    const request = indexedDB.open(DATABASE, 1);
    request.onupgradeneeded = () => {
        request.result.createObjectStore(SHEETS, { keyPath: 'uid' });
        request.result.createObjectStore(NOTES);
    };
    return settled(request);
}

// Holds the page's lock until the page goes; false when another page holds it past the wait.
function hold(page, wait) {
    return new Promise((resolve) => {
        const options = wait === undefined ? {} : { signal: AbortSignal.timeout(wait) };
        navigator.locks
            .request(lockOf(page), options, () => {
                resolve(true);
                return new Promise(() => {});
            })
            .catch(() => resolve(false));
    });
}

// The pages of the site that live, told by their locks.
const lockedPages = {
    async claim(page, wait) {
        return hold(page, wait);
    },
    async live() {
        const { held } = await navigator.locks.query();
        const pages = held.filter((lock) => lock.name.startsWith(lockOf('')));
        return new Set(pages.map((lock) => lock.name.slice(lockOf('').length)));
    },
    alone(work) {
        return navigator.locks.request(TAKING_OVER, work);
    },
};

// The pages of the site that live, told by a roll call that every page answers with its id.
function answeringPages() {
    const channel = new BroadcastChannel(ROLL_CALL);
    let mine = null;
    channel.onmessage = ({ data }) => {
        if (data === 'who' && mine) channel.postMessage({ here: mine });
    };
    const rollCall = () =>
        new Promise((resolve) => {
            const here = new Set();
            const listen = ({ data }) => data?.here && here.add(data.here);
            channel.addEventListener('message', listen);
            channel.postMessage('who');
            setTimeout(() => {
                channel.removeEventListener('message', listen);
                resolve(here);
            }, ROLL_CALL_WAIT);
        });
    return {
        async claim(page) {
            if ((await rollCall()).has(page)) return false;
            mine = page;
            return true;
        },
        live: rollCall,
        alone: (work) => work(),
    };
}

async function takePageId(pages) {
    const earlier = sessionStorage.getItem(PAGE_ID);
    if (earlier && (await pages.claim(earlier, RELOAD_WAIT))) return earlier;
    const page = newId();
    sessionStorage.setItem(PAGE_ID, page);
    await pages.claim(page);
    return page;
}

// The sheets that pages before this one kept in localStorage, as records of this page's.
function earlierSheets(page) {
    try {
        const index = JSON.parse(localStorage.getItem(EARLIER_INDEX));
        if (!index || !Array.isArray(index.sheets)) return [];
        return index.sheets
            .map(({ id, chart }, order) => ({
                id,
                record: {
                    uid: newId(),
                    owner: page,
                    order,
                    chart: Boolean(chart),
                    state: localStorage.getItem(earlierSheetKey(id)),
                },
            }))
            .filter(({ record }) => record.state !== null);
    } catch {
        return [];
    }
}

function forgetEarlierSheets(moved) {
    for (const { id } of moved) localStorage.removeItem(earlierSheetKey(id));
    localStorage.removeItem(EARLIER_INDEX);
}

// One page's share of the kept sheets.
export class Keeper {
    constructor(db, page, pages) {
        this.db = db;
        this.page = page;
        this.pages = pages;
    }

    static async open() {
        const pages = navigator.locks ? lockedPages : window.BroadcastChannel && answeringPages();
        if (!pages) throw new Error('This browser cannot tell one page from another.');
        const [db, page] = await Promise.all([openDatabase(), takePageId(pages)]);
        return new Keeper(db, page, pages);
    }

    // Takes over this page's own sheets and those of every page that is gone, and gives them
    // in the order their pages showed them.
    takeOver() {
        return this.pages.alone(async () => {
            const live = await this.pages.live();
            const moved = earlierSheets(this.page);
            const taken = await inTransaction(this.db, 'readwrite', async (sheets) => {
                const all = await settled(sheets.getAll());
                const byOrder = (a, b) => a.owner.localeCompare(b.owner) || a.order - b.order;
                const own = all.filter((r) => r.owner === this.page).sort(byOrder);
                const left = all.filter((r) => r.owner !== this.page && !live.has(r.owner));
                const records = [...own, ...left.sort(byOrder), ...moved.map((m) => m.record)];
                for (const record of records) {
                    record.owner = this.page;
                    sheets.put(record);
                }
                return records;
            });
            forgetEarlierSheets(moved);
            return taken;
        });
    }

    // Writes the sheets of this page: each {uid, order, chart} with its state where it changed.
    // `kept` is false when the storage is full, which leaves what it held before. A sheet that another
    // page has taken over meanwhile is never written over: its uid comes back in `refused`.
    async keep(sheets) {
        try {
            const refused = await inTransaction(this.db, 'readwrite', async (store) => {
                const turnedDown = [];
                for (const sheet of sheets) {
                    const kept = await settled(store.get(sheet.uid));
                    if (kept && kept.owner !== this.page) {
                        turnedDown.push(sheet.uid);
                        continue;
                    }
                    const state = sheet.state ?? kept?.state;
                    if (state !== undefined)
                        store.put({ ...kept, ...sheet, state, owner: this.page });
                }
                return turnedDown;
            });
            return { kept: true, refused };
        } catch (error) {
            if (error?.name === 'QuotaExceededError') return { kept: false, refused: [] };
            throw error;
        }
    }

    // Deletes a sheet of this page's, and only of this page's.
    forget(uid) {
        return inTransaction(this.db, 'readwrite', async (store) => {
            const kept = await settled(store.get(uid));
            if (kept?.owner === this.page) store.delete(uid);
        });
    }

    note(name) {
        return inTransaction(this.db, 'readonly', (store, notes) => settled(notes.get(name)));
    }

    setNote(name, value) {
        return inTransaction(this.db, 'readwrite', async (store, notes) => {
            notes.put(value, name);
        });
    }
}
