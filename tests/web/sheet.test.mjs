// The page in Chromium as a player uses it: a sheet filled in by taps and keys, its numbers
// and tips read back from the page, Declare, Copy and Clear, and a bad Mech file. Each test
// opens a page of its own.
import assert from 'node:assert/strict';
import { mkdtemp, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import {
    checkedOf,
    control,
    onAPage,
    pressWith,
    rangeOn,
    sheetShown,
    takeMessage,
    tabTitles,
    tap,
    typeInto,
    valueOf,
} from './page_support.mjs';

// A Medium Laser fired at range 5 after a walk, at a target that moved 3 hexes into light woods,
// has a to-hit of 9.
test('a sheet filled in by taps and keys shows its numbers and tips, then Declare, Copy, Clear', () =>
    onAPage({ clipboard: true }, async ({ page }) => {
        await typeInto(page, 'mechName', 'Quillfen QF-2');
        await page.keyboard.press('Tab');
        await page.keyboard.type('Ilsa');
        assert.equal(await page.title(), 'Ilsa:Quillfen QF-2');
        await page.select(control('gunSkill'), '4');
        await tap(page, 'doneButton');
        assert.equal(await page.evaluate(() => document.activeElement.id), 's1-rangeSlider');
        await page.select(control('weapName(0)'), 'MLaser');
        await rangeOn(page, 5);
        await tap(page, 'walkedOption');
        await page.focus(control('targetMoved0to2Option'));
        await page.keyboard.press('ArrowDown');
        await typeInto(page, 'hexLW', '1');
        await tap(page, 'fireCheck(0)');
        await tap(page, 'calculateButton');
        assert.equal(await valueOf(page, 'toHit(0)'), '9');
        await page.tap(control('toHit(0)'));
        const tip = await page.waitForSelector('#tip:not([hidden])');
        assert.match(
            await tip.evaluate((t) => t.textContent),
            /^Gunnery 4, Medium range \+2, Walked \+1, Light woods \+1, Target moved 3-4 \+1 = 9/,
        );
        await tap(page, 'declareButton');
        await tap(page, 'copyButton');
        assert.equal(await page.evaluate(() => navigator.clipboard.readText()), '  MLaser@9');
        await tap(page, 'clearButton');
        assert.equal(await valueOf(page, 'toHit(0)'), '');
        assert.equal(await checkedOf(page, 'fireCheck(0)'), 0);
        // A grayed actuator shows as neither ticked nor clear, and clear again once ungrayed.
        await tap(page, 'rightShoulderBox');
        assert.equal(await checkedOf(page, 'rightUpperActuatorBox'), 2);
        await tap(page, 'rightShoulderBox');
        assert.equal(await checkedOf(page, 'rightUpperActuatorBox'), 0);
    }));

test('Ctrl+O lets any file through, and the reader names a bad one and changes nothing', () =>
    onAPage(async ({ page }) => {
        const file = join(await mkdtemp(join(tmpdir(), 'vexolan-files-')), 'broken.txt');
        await writeFile(file, '{"format": "Vexolan Mech"');
        await typeInto(page, 'mechName', 'Brindle');
        const [shown, tabs] = [await sheetShown(page), await tabTitles(page)];
        const [chooser] = await Promise.all([
            page.waitForFileChooser(),
            pressWith(page, 'Control', 'o'),
        ]);
        assert.equal(await page.$eval('input[type="file"]', (input) => input.accept), '');
        await chooser.accept([file]);
        assert.equal(
            await takeMessage(page),
            'Cannot open the Mech file "broken.txt":\n' +
                'The file is not JSON: it goes wrong at line 1, column 26.',
        );
        assert.equal(await sheetShown(page), shown);
        assert.deepEqual(await tabTitles(page), tabs);
    }));
