// The page's sheets at work: the user's actions passed to the sheets and what they changed
// redrawn, what a sheet asks for carried out (messages, windows, the clipboard, files), and the
// File menu's commands with what the user chose: open, save, close with an undo, restore a
// backup; the lance of the sheets, turn by turn.

import { ask, askName, showMessage, showAbout, hideTip } from './dialogs.js';
import { chooseFiles, chooseSaveName, saveFile, LANCE_FILES, SHEETS_FILES } from './files.js';
import { showNotice } from './notices.js';
import { newId } from './storage.js';
import { BACK_UP, RESTORE, captionOf, menuBar, pageMenu } from './menus.js';
import { Tabs } from './tabs.js';
import { Keeping } from './keeping.js';
import { Backups } from './backups.js';
import { Look, LOOKS } from './look.js';
import { LancePanel } from './lance_panel.js';

const CLOSE_ANSWERS = ['Save', 'Discard', 'Cancel'];
// A closed sheet can be brought back for so long; a tap on a tab's × so soon after a close is
// the second tap of a double tap, which must not close the next sheet that moved under it.
const UNDO_SECONDS = 10;
const DOUBLE_TAP_MS = 600;
const TURN = 'turn'; // the lance's turn, kept with the sheets

export class Page {
    // `vexolan` is the model, `layout` the sheet window's tables.
    constructor(vexolan, layout) {
        this.vexolan = vexolan;
        this.sheets = new vexolan.PageSheets();
        this.layout = layout;
        this.menu = pageMenu(layout);
        this.tabs = new Tabs(this.sheets, layout, this);
        this.keeping = new Keeping(this.sheets, {
            shown: () => this.shownAfterUndo(),
            open: () => this.tabs.all(),
            active: () => this.tabs.active,
        });
        this.backups = new Backups(this.sheets, this.keeping);
        this.look = new Look(this.keeping);
        this.closed = []; // sheets closed within the undo's time, the latest last
        this.closedAt = -Infinity;
        this.lance = new LancePanel(
            (whole) => JSON.parse(this.sheets.lanceJson(whole)),
            (codeName) => this.command(null, codeName),
            (id) => this.select(this.tabs.byId.get(id)),
        );
        this.lanceCommands = {
            lanceView: () => this.lance.show(true),
            lanceNextTurn: () => this.turn(this.sheets.nextTurn()),
            lanceUndo: () => this.turn(this.sheets.undoNextTurn()),
            lanceCopyDeclaration: (tab) =>
                this.carryOut(tab, JSON.parse(this.sheets.lanceDeclaration())),
            lanceOpen: (tab) => this.openLance(tab),
            lanceSaveAs: (tab) => this.saveLance(tab),
        };
    }

    // A tab for the sheet of that id, kept under `uid`.
    addTab(id, { uid = newId(), chart = false } = {}) {
        const tab = this.tabs.add(id, { uid, chart });
        this.lance.follow();
        return tab;
    }

    newTab(zoom = this.layout.actualSize) {
        return this.addTab(this.sheets.newSheet(zoom));
    }

    // ---- What the tabs ask of the page

    act(tab, action, codeName, argument) {
        // A click has no argument, and the model counts its arguments.
        const args = action === 'click' ? [codeName] : [codeName, argument];
        return this.perform(tab, () => this.sheets[action](tab.id, ...args));
    }

    menuBar(tab) {
        const bar = menuBar(this.menu, (codeName) => this.command(tab, codeName));
        this.look.tick(bar);
        this.tabs.standBelow(bar);
        return bar;
    }

    changed(tab) {
        this.keeping.remember(tab);
    }

    // A tab chosen while the lance stands in its sheet's place brings the sheet back.
    select(tab) {
        if (this.lance.insteadOfSheet) this.lance.hide();
        this.tabs.activate(tab);
    }

    shown(tab) {
        this.lance.standIn(tab.panel);
        this.keeping.schedule();
    }

    // ---- The user's actions and what the sheets ask for

    // Passes one action to the sheets and redraws what it changed; resolves once what the
    // sheet asked for is done.
    perform(tab, action) {
        const { update, opened, front, newSheet } = JSON.parse(action());
        this.redraw(tab, update);
        if (update.changed.length) this.backups.noteChange();
        for (const id of opened) this.tabs.activate(this.addTab(id));
        if (front) this.tabs.activate(this.tabs.byId.get(front));
        if (newSheet) this.tabs.active.view.focusFirst();
        this.lance.follow();
        return this.carryOut(tab, update.requests);
    }

    // What the sheets changed on a tab, drawn with its chart, and kept.
    redraw(tab, update) {
        tab.draw(update);
        tab.chart.follow();
        this.keeping.remember(tab);
    }

    async carryOut(tab, requests) {
        requests.messages.forEach(showMessage);
        if (requests.help) window.open('Vexo.html', '_blank', 'noopener');
        for (const text of requests.clipboard) navigator.clipboard.writeText(text).catch(() => {});
        if (requests.aboutBox) showAbout(JSON.parse(this.vexolan.aboutJson()));
        if (requests.rangeChart) {
            tab.chart.show(true);
            this.keeping.remember(tab);
        }
        if (requests.closeSheet) this.close(tab);
        for (const { name, bytes } of requests.downloads) await saveFile(name, bytes);
    }

    // A menu entry, or its keys, on the sheet of that tab (the one shown when none is named).
    async command(tab, codeName) {
        tab ??= this.tabs.active;
        if (!tab) return;
        hideTip();
        if (codeName === BACK_UP) return this.backups.backUp();
        if (codeName === RESTORE) return this.restoreBackup();
        if (LOOKS.has(codeName)) return this.look.choose(codeName);
        if (this.lanceCommands[codeName]) return this.lanceCommands[codeName](tab);
        if (codeName === 'mnuOpen') return this.open(tab);
        if (codeName === 'mnuSave' || codeName === 'mnuSaveAs')
            return this.save(tab, codeName === 'mnuSaveAs');
        return this.perform(tab, () => this.sheets.click(tab.id, codeName));
    }

    async open(tab) {
        const files = await chooseFiles();
        if (files.length) return this.perform(tab, () => this.sheets.openFiles(tab.id, files));
    }

    // Asks for the name first where saving needs one: in the browser's save dialog, or else in
    // the page's own.
    async save(tab, saveAs) {
        const suggested = this.sheets.nameToAsk(tab.id, saveAs);
        if (!suggested) return this.perform(tab, () => this.sheets.save(tab.id));
        let name = await chooseSaveName(suggested);
        if (name === undefined)
            name = await askName(captionOf(this.menu, 'mnuSaveAs'), suggested, 'Save', 'Cancel');
        if (name) return this.perform(tab, () => this.sheets.saveTo(tab.id, name));
    }

    // ---- The lance

    // Every sheet redrawn after Next Turn or its undo, and the turn kept.
    turn(answer) {
        const { sheets, requests } = JSON.parse(answer);
        for (const [id, update] of sheets) this.redraw(this.tabs.byId.get(id), update);
        this.keepTurn();
        this.lance.follow();
        return this.carryOut(this.tabs.active, requests);
    }

    keepTurn() {
        this.keeping.keeper?.setNote(TURN, this.sheets.turn()).catch(() => {});
    }

    // The turn kept at the last visit, once the sheets are back.
    async restoreTurn() {
        const kept = await this.keeping.keeper?.note(TURN).catch(() => null);
        if (Number.isInteger(kept)) this.sheets.setTurn(kept);
    }

    async openLance(tab) {
        const [file] = await chooseFiles({ type: LANCE_FILES, multiple: false });
        if (!file) return;
        await this.perform(tab, () => this.sheets.openLance(tab.id, file[0], file[1]));
        this.keepTurn();
    }

    async saveLance(tab) {
        const suggested = this.vexolan.PageSheets.lanceFileName();
        let name = await chooseSaveName(suggested, LANCE_FILES);
        if (name === undefined)
            name = await askName(captionOf(this.menu, 'lanceSaveAs'), suggested, 'Save', 'Cancel');
        if (name) return this.carryOut(tab, JSON.parse(this.sheets.saveLance(name)));
    }

    // ---- Closing

    // A sheet with changes its file lacks asks first, as on the desktop, and is gone once
    // answered. Any other sheet that holds something its user entered closes at once with an
    // undo, since a page's sheets have no window of their own to come back in; its kept copy
    // stays until the undo is past.
    async close(tab, { tapped = false } = {}) {
        if (tapped && performance.now() - this.closedAt < DOUBLE_TAP_MS) return;
        if (!this.tabs.has(tab)) return;
        const asked = this.sheets.hasUnsavedChanges(tab.id);
        if (asked) {
            this.tabs.activate(tab);
            const answer = await ask(this.sheets.closeQuestion(tab.id), CLOSE_ANSWERS);
            if (answer === 'Cancel') return;
            if (answer === 'Save') {
                await this.save(tab, false);
                if (this.sheets.hasUnsavedChanges(tab.id)) return;
            }
        }
        if (!this.tabs.has(tab)) return;
        this.closedAt = performance.now();
        const at = this.tabs.all().indexOf(tab);
        const undoable = !asked && !this.sheets.isUntouched(tab.id);
        const state = this.sheets.close(tab.id);
        this.tabs.remove(tab);
        this.keeping.drop(tab);
        if (undoable) {
            this.closed.push({ tab, at, state });
            this.offerUndo();
        } else {
            this.keeping.forget(tab.uid);
        }
        if (!this.tabs.all().length) this.newTab(tab.zoom);
        this.lance.follow();
        const left = this.tabs.all();
        this.tabs.activate(left[Math.min(at, left.length - 1)]);
    }

    offerUndo() {
        const text =
            this.closed.length === 1
                ? `Closed ${this.closed[0].tab.label}.`
                : `Closed ${this.closed.length} sheets.`;
        showNotice('undo', text, [{ caption: 'Undo', run: () => this.undoClose() }], {
            seconds: UNDO_SECONDS,
            expire: () => this.closed.splice(0).forEach(({ tab }) => this.keeping.forget(tab.uid)),
        });
    }

    // Brings back every sheet of the undo, each where it stood, in the order they closed.
    undoClose() {
        const back = this.closed.splice(0).reverse(); // the last closed first, so each finds its place
        this.replaceUntouched(back.length)?.();
        for (const { tab, at, state } of back) {
            const id = this.sheets.restore(state, at);
            this.tabs.activate(this.addTab(id, { uid: tab.uid, chart: tab.chart.shown }));
        }
    }

    // The tabs as Undo would leave them: a sheet closed within the undo's time keeps its place
    // in the storage, where a reload finds it.
    shownAfterUndo() {
        const shown = this.tabs.all();
        for (const { tab, at } of [...this.closed].reverse())
            shown.splice(Math.min(at, shown.length), 0, tab);
        return shown;
    }

    // Takes away the one sheet of the page while it is still as it opened, with nothing to
    // lose, when sheets come to take its place.
    replaceUntouched(coming) {
        const all = this.tabs.all();
        if (!coming || all.length !== 1 || !this.sheets.isUntouched(all[0].id)) return null;
        return () => {
            this.sheets.close(all[0].id);
            this.tabs.remove(all[0]);
            this.keeping.drop(all[0]);
            this.keeping.forget(all[0].uid);
            this.lance.follow();
        };
    }

    // ---- Backups

    async restoreBackup() {
        const [file] = await chooseFiles({ type: SHEETS_FILES, multiple: false });
        if (!file) return;
        const replace = this.replaceUntouched(1);
        const read = JSON.parse(this.sheets.restoreBackup(file[0], file[1]));
        if (read.fault) return showMessage(read.fault);
        for (const id of read.opened) this.tabs.activate(this.addTab(id));
        replace?.();
        const count = read.opened.length;
        showMessage(`Restored ${count} ${count === 1 ? 'sheet' : 'sheets'} from ${file[0]}.`);
    }
}
