// The lance in the page: its lines follow taps on two tabs and bring a tab to the front, its
// declaration on the clipboard, Next Turn and its undo on every sheet, its file saved and opened.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile, writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import {
    byFinger,
    onAPage,
    menu,
    choose,
    newMech,
    typeInto,
    tap,
    takeMessage,
    downloadsOf,
    pressWith,
    checkedOf,
    tabTitles,
    settle,
} from './page_support.mjs';

const linesOf = (page) =>
    page.$$eval('.lance tbody tr', (rows) =>
        rows.map((row) => [...row.cells].map((cell) => cell.textContent)),
    );
// One column of every line: 0 the Mech, 1 the turn, 4 the damage.
const columnOf = async (page, column) => (await linesOf(page)).map((cells) => cells[column]);

const press = (page, caption) => page.locator(`.lance ::-p-aria([name="${caption}"])`).click();

// Two sheets, Quillfen on the first with its sensors hit, Brannoch on the second; their titles.
const TITLES = ['Ilsa Marrow:Quillfen QF-2', ':Brannoch BR-5'];
async function twoSheets(page) {
    await typeInto(page, 'pilotName', 'Ilsa Marrow');
    await typeInto(page, 'mechName', 'Quillfen QF-2');
    await tap(page, 'doneButton');
    await tap(page, 'sensorsBox');
    await newMech(page, 'Brannoch BR-5', 2);
    await tap(page, 'doneButton', 2);
}

// Wide enough for the desktop's form, where the lance stands above the sheet it follows.
const DESKTOP = { width: 1366, height: 768 };
const shownOf = (page, selector) => page.$eval(selector, (element) => element.checkVisibility());

test("the lance's lines follow taps on two tabs, copy their declaration, bring a tab up", () =>
    onAPage({ viewport: DESKTOP, clipboard: true }, async ({ page }) => {
        await pressWith(page, 'Control', 'l');
        assert.deepEqual(await columnOf(page, 0), ['Vexolan']);
        await twoSheets(page);
        assert.deepEqual(await columnOf(page, 0), TITLES);
        assert.deepEqual(await columnOf(page, 4), ['Sensors hit', 'No damage']);
        await typeInto(page, 'declarationBox', 'MLaser@7', 2);
        await press(page, 'Copy Lance Declaration');
        const copied = await page.evaluate(() => navigator.clipboard.readText());
        assert.equal(copied, ':Brannoch BR-5  MLaser@7', 'the declaring sheets copied');
        const line = await page.waitForSelector('.lance tbody tr:first-child button');
        assert.match(await line.evaluate((b) => b.ariaLabel), /^Mech: Ilsa Marrow:Quillfen QF-2\./);
        await line.focus();
        await page.keyboard.press('Enter');
        assert.equal(await page.title(), 'Ilsa Marrow:Quillfen QF-2');
    }));

test('on a phone the lance stands in the place of the sheet, which a line brings back', () =>
    onAPage({ viewport: byFinger(360, 740) }, async ({ page }) => {
        await pressWith(page, 'Control', 'l');
        await page.waitForSelector('.lance tbody tr');
        assert.equal(await shownOf(page, '.sheet-tab:not([hidden]) .sheet'), false);
        const [wide, room] = await page.$eval('.lance .chart-body', (body) => [
            body.scrollWidth,
            innerWidth,
        ]);
        assert.ok(wide <= room, `the lines as cards, ${wide} px wide, within the screen`);
        await page.tap('.lance tbody tr:first-child button');
        assert.equal(await shownOf(page, '.sheet-tab:not([hidden]) .sheet'), true);
        assert.equal(await shownOf(page, '.lance'), false);
    }));

test('Next Turn clears every sheet, its undo brings them back, and the turn stays on reload', () =>
    onAPage(async ({ page, load }) => {
        await twoSheets(page);
        await tap(page, 'targetJumpedBox', 2);
        await menu(page, 'View', 'Lance');
        await menu(page, 'View', 'Next Turn');
        assert.deepEqual(await columnOf(page, 1), ['2', '2']);
        assert.equal(await checkedOf(page, 'targetJumpedBox', 2), 0);
        assert.equal(await checkedOf(page, 'sensorsBox'), 1, 'damage is kept');
        await press(page, 'Undo Next Turn');
        assert.deepEqual(await columnOf(page, 1), ['1', '1']);
        assert.equal(await checkedOf(page, 'targetJumpedBox', 2), 1);
        assert.equal(await page.$eval('.lance ::-p-aria(Undo Next Turn)', (b) => b.disabled), true);
        await press(page, 'Next Turn');
        await settle(page);
        await load();
        await pressWith(page, 'Control', 'l');
        assert.deepEqual(await columnOf(page, 1), ['2', '2']);
    }));

test('a saved lance opens again with its turn, and a bad lance file opens nothing', () =>
    onAPage(async ({ page }) => {
        await twoSheets(page);
        await menu(page, 'View', 'Next Turn');
        const downloads = await downloadsOf(page);
        const saved = downloads.next();
        await menu(page, 'File', 'Save Lance As...');
        await takeMessage(page);
        assert.equal(await takeMessage(page), 'Saved as a download: Lance.vexlance');
        const file = await saved;
        const bad = join(downloads.folder, 'bad.vexlance');
        await writeFile(bad, '{');
        await choose(page, [bad], 'File', 'Open Lance...');
        assert.match(await takeMessage(page), /^Cannot open the lance file "bad.vexlance":/);
        assert.equal((await tabTitles(page)).length, 2);
        assert.equal(JSON.parse(await readFile(file, 'utf8')).turn, 2);
        await choose(page, [file], 'File', 'Open Lance...');
        await page.waitForFunction(() => document.querySelectorAll('[role="tab"]').length === 4);
        await pressWith(page, 'Control', 'l');
        assert.deepEqual(await columnOf(page, 0), [...TITLES, ...TITLES]);
    }));
