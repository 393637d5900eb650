// The sheets the browser keeps: each page of the site keeps its own, a page opened later finds
// those of pages that are gone, the sheets of earlier pages come back, a kept sheet that cannot
// be restored is set aside and named, and every sheet goes into one backup file and back, which
// is due days after a change.
import assert from 'node:assert/strict';
import { readFile, writeFile } from 'node:fs/promises';
import { test } from 'node:test';
import {
    choose,
    downloadsOf,
    keepAsIfBefore,
    keptSheets,
    menu,
    newMech,
    openQuillfen,
    onAPage,
    settle,
    tabTitles,
    takeMessage,
    typeInto,
} from './page_support.mjs';

const STATE = new URL('data/sheet-state-1.json', import.meta.url);

const PAGES_TOLD = [
    ['by their locks', {}],
    ['by a roll call, where the browser has no Web Locks', { locks: false }],
];

for (const [told, options] of PAGES_TOLD) {
    test(`two pages never overwrite or delete each other's sheets, the pages told ${told}`, () =>
        onAPage(options, async (session) => {
            const a = session.page;
            await typeInto(a, 'mechName', 'Alpha');
            const b = await session.another();
            await b.bringToFront();
            assert.deepEqual(await tabTitles(b), ['Vexolan'], 'B starts with a sheet of its own');
            await typeInto(b, 'mechName', 'Bravo');
            await newMech(b, 'Beta', 2);
            await a.bringToFront();
            await newMech(a, 'Charlie', 2);
            await b.bringToFront();
            await menu(b, 'New Mech');
            await b.click('.tab-holder:nth-child(3) .close');
            await settle(b);
            await a.bringToFront();
            await settle(a);
            await session.load(a);
            assert.deepEqual(await tabTitles(a), [':Alpha', ':Charlie'], 'A after a reload');
            await b.bringToFront();
            await session.load(b);
            assert.deepEqual(await tabTitles(b), [':Bravo', ':Beta'], 'B after a reload');
            await b.close();
            const later = await session.another();
            assert.deepEqual(await tabTitles(later), [':Bravo', ':Beta'], 'opened after B closed');
            assert.deepEqual(await tabTitles(a), [':Alpha', ':Charlie'], 'A, still open');
        }));
}

test('the sheets an earlier page kept in localStorage come back, as they were', () =>
    onAPage(async ({ page, load }) => {
        const kept = {
            'vexolan.sheets': JSON.stringify({ sheets: [{ id: 4, chart: false }], active: 4 }),
            'vexolan.sheet.4': await readFile(STATE, 'utf8'),
        };
        await page.evaluate((kept) => Object.assign(localStorage, kept), kept);
        const titles = ['Vexolan', 'Ilsa Marrow:Quillfen QF-2*'];
        await load();
        assert.deepEqual(await tabTitles(page), titles);
        assert.equal(await page.evaluate(() => localStorage.length), 0);
        await load();
        assert.deepEqual(await tabTitles(page), titles, 'kept in the new storage');
    }));

test('a kept sheet that cannot be restored is named, kept, and its Mech can be saved', () =>
    onAPage(async ({ page }) => {
        const damaged = JSON.parse(await readFile(STATE, 'utf8'));
        damaged.controls.dmgSensor1.value = 7; // the name of its day
        const state = JSON.stringify(damaged);
        const record = { uid: 'damaged', owner: 'gone', order: 0, chart: false, state };
        await keepAsIfBefore(page, 'sheets', [[0, record]]);
        const saved = (await downloadsOf(page)).next();
        await page.reload();
        assert.equal(
            await takeMessage(page),
            'The sheet "Ilsa Marrow:Quillfen QF-2" kept in this browser cannot be restored: its ' +
                "kept copy is damaged (sensorsBox: a check box's value). It stays in the " +
                "browser's storage, untouched, until you delete it.",
        );
        assert.equal(await takeMessage(page), 'Saved as a download: Quillfen QF-2.vexmech');
        assert.equal(JSON.parse(await readFile(await saved, 'utf8')).mechModel, 'Quillfen QF-2');
        assert.deepEqual(await tabTitles(page), ['Vexolan']);
        const kept = (await keptSheets(page)).find((r) => r.uid === 'damaged');
        assert.equal(kept?.state, state, 'the kept copy, as it was');
    }));

// Where the browser may clear what it keeps, sheets changed days ago and in no backup bring a
// reminder, until a backup holds them.
test('a backup is due days after a change, and holds every sheet for another browser', async () => {
    let file;
    await onAPage(async ({ page, load }) => {
        const changedSince = Date.now() - 4 * 24 * 3600 * 1000;
        await keepAsIfBefore(page, 'notes', [['backup', { at: null, changedSince }]]);
        await load();
        assert.equal(await page.$('[data-notice="backup"]'), null, 'no reminder before a change');
        await openQuillfen(page);
        const notice = await page.waitForSelector('[data-notice="backup"]', { visible: true });
        assert.match(await notice.evaluate((n) => n.textContent), /no backup holds them/);
        await newMech(page, 'Brindle', 2);
        const saved = (await downloadsOf(page)).next();
        await menu(page, 'File', 'Back Up All Sheets...');
        assert.equal(await takeMessage(page), 'Saved as a download: vexolan-sheets.vexsheets');
        assert.equal(await page.$('[data-notice="backup"]'), null, 'no reminder after the backup');
        file = await saved;
    });
    await onAPage(async ({ page }) => {
        await choose(page, [file], 'File', 'Restore Sheets...');
        assert.equal(await takeMessage(page), 'Restored 2 sheets from vexolan-sheets.vexsheets.');
        assert.deepEqual(await tabTitles(page), ['Ilsa Marrow:Quillfen QF-2', ':Brindle']);
        const bad = `${file}.broken.vexsheets`;
        await writeFile(bad, '{"format": "Vexolan Sheets", "version": 1}');
        await choose(page, [bad], 'File', 'Restore Sheets...');
        assert.match(await takeMessage(page), /broken.vexsheets":\nIt holds no list of sheets.$/);
        assert.equal((await tabTitles(page)).length, 2);
    });
});

test('a change writes only the sheet it changed', () =>
    onAPage(async ({ page }) => {
        await typeInto(page, 'mechName', 'Alpha');
        await newMech(page, 'Bravo', 2);
        await settle(page);
        await page.evaluate(() => {
            window.written = [];
            const put = IDBObjectStore.prototype.put;
            IDBObjectStore.prototype.put = function (record, ...rest) {
                if (this.name === 'sheets')
                    window.written.push(JSON.parse(record.state).controls.mechName.text);
                return put.call(this, record, ...rest);
            };
        });
        await typeInto(page, 'pilotName', 'Oska', 2);
        await page.waitForFunction(() => window.written.length > 0);
        await settle(page);
        assert.deepEqual([...new Set(await page.evaluate(() => window.written))], ['Bravo']);
    }));
