// Closing a sheet of the page: a double tap on × closes one sheet, not the next one that moved
// under the finger; a sheet that holds what its user entered comes back with Undo, also after a
// reload within the undo's time; a sheet still as it opened just goes, one with unsaved changes
// asks first.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import {
    byFinger,
    PHONE,
    menu,
    newMech,
    onAPage,
    openQuillfen,
    tabTitles,
    takeMessage,
    typeInto,
    valueOf,
} from './page_support.mjs';

async function threeSheets(page) {
    await typeInto(page, 'mechName', 'Alpha');
    await newMech(page, 'Bravo', 2);
    await newMech(page, 'Charlie', 3);
}

test('a double tap on × closes one sheet, its undo stands over the results, and brings it back', () =>
    onAPage({ viewport: byFinger(PHONE.width, PHONE.height) }, async ({ page }) => {
        await threeSheets(page);
        const { x, y } = await (await page.$('.tab-holder:nth-child(1) .close')).clickablePoint();
        await page.touchscreen.tap(x, y);
        await page.touchscreen.tap(x, y);
        assert.deepEqual(await tabTitles(page), [':Bravo', ':Charlie'], 'after the double tap');
        const notice = await page.waitForSelector('[data-notice="undo"]', { visible: true });
        assert.equal(await notice.$eval('p', (p) => p.textContent), 'Closed :Alpha.');
        // The notice stands over the bar of results, not on it.
        const bottom = await notice.evaluate((n) => n.getBoundingClientRect().bottom);
        const bar = '.sheet-tab:not([hidden]) .staying';
        const top = await page.$eval(bar, (b) => b.getBoundingClientRect().top);
        assert.ok(bottom <= top, `the notice ends at ${bottom}, the bar starts at ${top}`);
        await (await notice.$('button')).tap();
        assert.deepEqual(await tabTitles(page), [':Alpha', ':Bravo', ':Charlie'], 'after Undo');
        assert.equal(await valueOf(page, 'mechName', 4), 'Alpha');
    }));

test('a sheet as it opened just goes; one with unsaved changes asks before its tab closes', () =>
    onAPage(async ({ page, load }) => {
        await typeInto(page, 'mechName', 'Alpha');
        await menu(page, 'New Mech');
        await page.click('.tab-holder:nth-child(2) .close');
        assert.deepEqual(await tabTitles(page), [':Alpha']);
        assert.equal(await page.$('[data-notice="undo"]'), null);
        await load();
        assert.deepEqual(await tabTitles(page), [':Alpha'], 'after a reload');
        await openQuillfen(page);
        await page.tap('.sheet-tab:not([hidden]) [id$="-sensorsBox"]');
        await page.click('.tab-holder:nth-child(2) .close');
        assert.equal(
            await takeMessage(page, 'Escape'),
            'Save the changes to the Mech file "quillfen.vexmech"?',
        );
        assert.equal((await tabTitles(page)).length, 2);
        await page.click('.tab-holder:nth-child(2) .close');
        await (await page.waitForSelector('#message[open] button[value="Discard"]')).click();
        await page.waitForFunction(() => document.querySelectorAll('[role="tab"]').length === 1);
    }));

test('File → Close closes the sheet shown, which a reload brings back; the page has no Quit', () =>
    onAPage(async ({ page, load }) => {
        await threeSheets(page);
        await page.click('.tab-holder:nth-child(2) .tab');
        await menu(page, 'File', 'Close');
        assert.deepEqual(await tabTitles(page), [':Alpha', ':Charlie']);
        await page.waitForSelector('[data-notice="undo"]', { visible: true });
        await menu(page, 'File');
        const entry = (name) =>
            page.$(`.sheet-tab:not([hidden]) ::-p-aria([name="${name}"][role="menuitem"])`);
        assert.equal(await entry('Quit'), null);
        assert.notEqual(await entry('Close'), null, 'the same query finds an entry that is there');
        await load();
        assert.deepEqual(await tabTitles(page), [':Alpha', ':Bravo', ':Charlie'], 'after a reload');
    }));
