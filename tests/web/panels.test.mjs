// What the page shows besides the sheet: the range chart panel following the sheet, the sheet's
// zoom, the About box, the help guide, and a full storage. Each test opens a page of its own.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import {
    armed,
    checkedOf,
    keptSheets,
    menu,
    onAPage,
    rangeOn,
    takeMessage,
    tap,
    typeInto,
} from './page_support.mjs';

const chartCell = (page, row, range) =>
    page.$eval(
        `.sheet-tab:not([hidden]) .chart tbody tr:nth-child(${row + 1}) td:nth-child(${range + 1})`,
        (td) => `${td.textContent}|${getComputedStyle(td).backgroundColor}|${td.className}`,
    );

test('the range chart shows under the sheet with Ctrl+R and follows it', () =>
    onAPage(async ({ page }) => {
        await armed(page, 1, true);
        await page.waitForSelector('.sheet-tab:not([hidden]) .chart:not([hidden])');
        const rows = [
            ['MLaser at 1: short range, likely', 0, 1, '4|rgb(145, 207, 96)|present'],
            ['MLaser at 10: beyond long range', 0, 10, '|rgba(0, 0, 0, 0)|beyond edge'],
            ['LRM20 at 1: inside its minimum range', 1, 1, '10|rgb(252, 141, 89)|present'],
        ];
        for (const [name, row, range, expected] of rows)
            assert.equal(await chartCell(page, row, range), expected, name);
        await tap(page, 'ranOption');
        assert.match(await chartCell(page, 0, 1), /^6\|/, 'after Ran');
        // The slider's next hex redraws the two columns of the present range, and nothing else.
        await page.evaluate(() => {
            const body = document.querySelector('.sheet-tab:not([hidden]) .chart > .chart-body');
            window.chartTable = body.querySelector('table');
            window.touched = new Set();
            new MutationObserver((records) => {
                for (const { target } of records) {
                    const cell = (target.closest ? target : target.parentElement).closest('td');
                    if (cell) window.touched.add(cell);
                }
            }).observe(body, { subtree: true, childList: true, attributes: true });
        });
        await rangeOn(page, 1);
        assert.match(await chartCell(page, 0, 2), /\|present$/, 'after the slider moved');
        const patched = await page.evaluate(() => ({
            sameTable: window.chartTable.isConnected,
            cells: window.touched.size,
        }));
        assert.deepEqual(patched, { sameTable: true, cells: 6 }, 'two cells of each of 3 lines');
    }));

test('Zoom In draws the sheet a quarter larger, About gives the version, Contents the guide', () =>
    onAPage(async ({ page, browser }) => {
        // The scale of the sheet's drawing: its width is the window's on a narrow window.
        const scale = () =>
            page.$eval('.sheet-tab:not([hidden]) .sheet', (sheet) => sheet.currentCSSZoom);
        const before = await scale();
        await menu(page, 'View', 'Zoom In');
        assert.equal(await scale(), before * 1.25, 'Zoom In');
        await menu(page, 'Help', 'About Vexolan');
        const box = await page.waitForSelector('#about[open]');
        assert.match(await box.$eval('#aboutVersion', (p) => p.textContent), /1\.1/);
        await page.keyboard.press('Enter');
        await page.waitForSelector('#about:not([open])');
        // A page of its own, not the page's service worker, which may start meanwhile.
        const opened = browser.waitForTarget(
            (target) => target.type() === 'page' && target !== page.target(),
        );
        await menu(page, 'Help', 'Contents');
        assert.equal(new URL((await opened).url()).pathname, '/Vexo.html');
    }));

// Whether the kept sheet has the boxes ticked, as the storage holds it.
const keptTicked = async (page, ...names) =>
    (await keptSheets(page)).some((sheet) =>
        names.every((name) => JSON.parse(sheet.state).controls[name].value === 1),
    );

test('a full storage says so once, loses nothing, and keeps it all once it has room', () =>
    onAPage(async ({ page }) => {
        await page.evaluate(() => {
            window.realPut = IDBObjectStore.prototype.put;
            IDBObjectStore.prototype.put = (record) => {
                const state = record.state && JSON.parse(record.state);
                if (state?.controls.ecmBox.value === 1) window.ecmRefused = true;
                throw new DOMException('The quota has been exceeded.', 'QuotaExceededError');
            };
        });
        await tap(page, 'amsBox');
        assert.match(await takeMessage(page), /^The browser's storage is full/);
        await tap(page, 'ecmBox');
        for (const box of ['amsBox', 'ecmBox']) assert.equal(await checkedOf(page, box), 1, box);

        // The next write, once the storage has room, comes after the refused one for ECM: by
        // then that one has said whatever it would.
        await page.waitForFunction(() => window.ecmRefused);
        await page.evaluate(() => (IDBObjectStore.prototype.put = window.realPut));
        await typeInto(page, 'mechName', 'Quillfen QF-2');
        // Until the page has kept both boxes, or said something first.
        while (!(await page.$('#message[open]')) && !(await keptTicked(page, 'amsBox', 'ecmBox')));
        assert.equal(await page.$('#message[open]'), null, 'no second message');
        assert.equal(await keptTicked(page, 'amsBox', 'ecmBox'), true);
    }));
