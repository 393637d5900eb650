// The page in Chromium as a player uses it: a sheet filled in by taps and keys, its numbers
// read back from the page, its messages, Declare, Copy and Clear, Mech files in and out, and
// the sheets kept across a reload.
import assert from 'node:assert/strict';
import { mkdtemp, readFile, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import {
    DOCS,
    checkedOf,
    control,
    menu,
    openPage,
    sheetShown,
    takeMessage,
    tap,
    valueOf,
} from './page_support.mjs';

let session;
let page;
before(async () => {
    session = await openPage();
    page = session.page;
});
after(() => session.close());

async function typeInto(role, text) {
    await page.click(control(role), { count: 3 });
    await page.keyboard.type(text);
}

test('a sheet filled in by taps and keys gives the numbers of the rules', async () => {
    await tap(page, 'calculateButton');
    assert.equal(await takeMessage(page), "Please Enter Pilot's Gunnery Skill. Click [Edit Mech].");
    await typeInto('mechName', 'Quillfen QF-2');
    await page.keyboard.press('Tab');
    await page.keyboard.type('Ilsa');
    assert.equal(await page.title(), 'Ilsa:Quillfen QF-2');
    await page.select(control('gunSkill'), '4');
    await tap(page, 'doneButton');
    assert.equal(await page.evaluate(() => document.activeElement.id), 's1-rangeSlider');
    await tap(page, 'calculateButton');
    assert.equal(await takeMessage(page), 'Please enter range to target');

    await page.select(control('weapName(0)'), 'MLaser');
    assert.equal(await valueOf(page, 'lRange(0)'), '9');
    await page.focus(control('rangeSlider'));
    for (let step = 0; step < 5; ++step) await page.keyboard.press('ArrowRight');
    assert.equal(await valueOf(page, 'rangeBox'), '5');
    await tap(page, 'aMove2');
    await page.focus(control('tMove0'));
    await page.keyboard.press('ArrowDown');
    assert.equal(await checkedOf(page, 'tMove1'), 1);
    await typeInto('hexLW', '1');
    await tap(page, 'fireCheck(0)');
    await tap(page, 'calculateButton');
    assert.equal(await valueOf(page, 'toHit(0)'), '9');
    assert.equal(await valueOf(page, 'totalHeatBox'), '3');

    await page.tap(control('toHit(0)'));
    const tip = await page.waitForSelector('#tip:not([hidden])');
    assert.match(
        await tip.evaluate((t) => t.textContent),
        /^Gunnery 4, Medium range \+2, Walked \+1, Light woods \+1, Target moved 3-4 \+1 = 9/,
    );
});

test('Declare, Copy and Clear', async () => {
    await session.browser
        .defaultBrowserContext()
        .overridePermissions(session.url, [
            'clipboard-read',
            'clipboard-write',
            'clipboard-sanitized-write',
        ]);
    await tap(page, 'declareButton');
    assert.equal(await valueOf(page, 'declarationBox'), '  MLaser@9');
    await tap(page, 'copyButton');
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), '  MLaser@9');
    await tap(page, 'clearButton');
    assert.equal(await valueOf(page, 'toHit(0)'), '');
    assert.equal(await valueOf(page, 'declarationBox'), '');
    assert.equal(await checkedOf(page, 'fireCheck(0)'), 0);
    assert.equal(await valueOf(page, 'rangeBox'), '5');
});

test('the shoulder grays the actuators of its arm, shown as indeterminate', async () => {
    await tap(page, 'dmgShoulder1');
    assert.equal(await checkedOf(page, 'dmgUpperAct1'), 2);
    assert.equal(await checkedOf(page, 'dmgLowerAct1'), 2);
    await tap(page, 'dmgShoulder1');
    assert.equal(await checkedOf(page, 'dmgUpperAct1'), 0);
});

test('a Mech file opens and saves as a download, and a bad one changes nothing', async () => {
    const folder = await mkdtemp(join(tmpdir(), 'vexolan-files-'));
    const bad = join(folder, 'broken.vexmech');
    await writeFile(bad, '{"format": "Vexolan Mech"');
    const shown = await sheetShown(page);
    const badChooser = page.waitForFileChooser();
    await page.keyboard.down('Control');
    await page.keyboard.press('o');
    await page.keyboard.up('Control');
    await (await badChooser).accept([bad]);
    assert.equal(
        await takeMessage(page),
        'Cannot open the Mech file "broken.vexmech":\n' +
            'The file is not JSON: it goes wrong at line 1, column 26.',
    );
    assert.equal(await sheetShown(page), shown);

    await menu(page, 'New Mech');
    assert.equal(await page.$$eval('[role="tab"]', (tabs) => tabs.length), 2);
    const [chooser] = await Promise.all([
        page.waitForFileChooser(),
        menu(page, 'File', 'Open Mech...'),
    ]);
    await chooser.accept([join(DOCS, 'quillfen.vexmech')]);
    await page.waitForFunction(() => document.title === 'Ilsa Marrow:Quillfen QF-2');
    assert.equal(await valueOf(page, 'weapName(3)', 2), 'MLaser');

    const cdp = await page.createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', {
        behavior: 'allow',
        downloadPath: folder,
        eventsEnabled: true,
    });
    const done = new Promise((resolve) =>
        cdp.on('Browser.downloadProgress', (event) => event.state === 'completed' && resolve()),
    );
    await page.tap(control('dmgSensor1', 2));
    assert.equal(await page.title(), 'Ilsa Marrow:Quillfen QF-2*');
    await menu(page, 'File', 'Save Mech');
    await done;
    assert.equal(await takeMessage(page), 'Saved as a download: quillfen.vexmech');
    const saved = JSON.parse(await readFile(join(folder, 'quillfen.vexmech'), 'utf8'));
    assert.equal(saved.damage.sensors, true);
    assert.equal(await page.title(), 'Ilsa Marrow:Quillfen QF-2');
});

test('a sheet with unsaved changes asks before its tab closes', async () => {
    await page.tap(control('dmgSensor1', 2));
    await page.click('.tab-holder:nth-child(2) .close');
    assert.equal(
        await takeMessage(page, 'Escape'),
        'Save the changes to the Mech file "quillfen.vexmech"?',
    );
    assert.equal(await page.$$eval('[role="tab"]', (tabs) => tabs.length), 2);
    await page.click('.tab-holder:nth-child(2) .close');
    await (await page.waitForSelector('#message[open] button[value="Discard"]')).click();
    await page.waitForFunction(() => document.querySelectorAll('[role="tab"]').length === 1);
});

test('the open sheets come back after a reload', async () => {
    const tabs = await page.$$eval('[role="tab"]', (all) => all.map((tab) => tab.textContent));
    const shown = await sheetShown(page);
    await session.load();
    assert.deepEqual(
        await page.$$eval('[role="tab"]', (all) => all.map((tab) => tab.textContent)),
        tabs,
    );
    assert.equal(await sheetShown(page), shown);
});
