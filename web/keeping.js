// The page's sheets kept across reloads: after every change, the order of the tabs and the
// state of each sheet that changed, one write at a time; a full storage said once, and tried
// again at the next change.

import { showMessage } from './dialogs.js';
import { Keeper, newId } from './storage.js';

const STORAGE_FULL =
    "The browser's storage is full: the sheets stay as they are on screen, but " +
    'would not come back after the page is closed. Save each Mech to a file to keep it.';
const NO_STORAGE =
    'This browser keeps nothing for this page: the sheets would not come back ' +
    'after the page is closed. Save each Mech to a file to keep it.';
const NOT_KEPT =
    'The browser did not keep the sheets: they stay as they are on screen, but ' +
    'would not come back after the page is closed. Save each Mech to a file to keep it';

export class Keeping {
    // `sheets` are the page's sheets; `shown()` gives the tabs as they are to come back after a
    // reload, closed ones that may still come back included, `open()` the tabs open, and
    // `active()` the tab shown.
    constructor(sheets, { shown, open, active }) {
        this.sheets = sheets;
        this.shown = shown;
        this.open = open;
        this.active = active;
        this.keeper = null; // none where the browser keeps nothing for the page
        this.unkept = new Set(); // sheets changed since the storage last took them
        this.storageFull = false;
        this.timer = 0;
        this.keptSoFar = Promise.resolve();
        this.places = new Map(); // each sheet's order and chart as last kept, by uid
    }

    // Opens the storage and gives the kept sheets this page takes over; none, after a message,
    // where the browser keeps nothing.
    async takeOver() {
        try {
            this.keeper = await Keeper.open();
            return await this.keeper.takeOver();
        } catch {
            this.keeper = null;
            showMessage(NO_STORAGE);
            return [];
        }
    }

    // Keeps the sheets before the page goes or is hidden.
    listen() {
        addEventListener('pagehide', () => this.keepNow());
        document.addEventListener('visibilitychange', () => document.hidden && this.keepNow());
    }

    remember(tab) {
        this.unkept.add(tab.uid);
        this.schedule();
    }

    // A tab that is gone from the page: nothing of it is written any more.
    drop(tab) {
        this.unkept.delete(tab.uid);
    }

    forget(uid) {
        this.keptSoFar = this.keptSoFar.then(() => this.keeper?.forget(uid)).catch(() => {});
    }

    schedule() {
        if (!this.timer) this.timer = setTimeout(() => this.keepNow(), 0);
    }

    // Writes the order of the tabs and the state of each sheet that changed.
    keepNow() {
        clearTimeout(this.timer);
        this.timer = 0;
        if (!this.keeper) return this.keptSoFar;
        const changed = new Set(this.unkept);
        this.unkept.clear();
        sessionStorage.setItem('vexolan.active', this.active()?.uid ?? '');
        // Only the sheets whose state, place or chart changed since they were last kept.
        const written = this.shown()
            .map((tab, order) => ({ tab, place: { order, chart: tab.chart.shown } }))
            .filter(
                ({ tab, place }) =>
                    changed.has(tab.uid) ||
                    this.places.get(tab.uid)?.order !== place.order ||
                    this.places.get(tab.uid)?.chart !== place.chart,
            );
        if (!written.length) return this.keptSoFar;
        const records = written.map(({ tab, place }) => ({
            uid: tab.uid,
            ...place,
            ...(changed.has(tab.uid) && { state: this.sheets.state(tab.id) }),
        }));
        this.keptSoFar = this.keptSoFar
            .then(() => this.keeper.keep(records))
            .then(({ kept, refused }) =>
                this.afterKeeping(kept ? '' : STORAGE_FULL, refused, changed, written),
            )
            .catch((error) =>
                this.afterKeeping(`${NOT_KEPT} (${error?.message}).`, [], changed, []),
            );
        return this.keptSoFar;
    }

    // Says once that the browser did not keep the sheets, and tries again at the next change.
    afterKeeping(fault, refused, changed, written) {
        if (fault) {
            changed.forEach((uid) => this.unkept.add(uid));
            if (!this.storageFull) showMessage(fault);
            this.storageFull = true;
            return;
        }
        this.storageFull = false;
        for (const { tab, place } of written) this.places.set(tab.uid, place);
        // A sheet that another page took over meanwhile: this one is kept beside it, not over it.
        for (const tab of this.open().filter((t) => refused.includes(t.uid))) {
            tab.uid = newId();
            this.remember(tab);
        }
    }
}
