// What the sheet shows at a glance: results worked out before the last change marked as such, a
// grayed box drawn grey, and the page's light or dark look, kept with the sheets.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { PNG } from 'pngjs';
import { control, menu, onAPage, openQuillfen, rangeOn, settle, tap } from './page_support.mjs';

const STALE = 'Not recalculated since the last change';
const RESULTS = ['declarationBox', 'toHit(0)', 'toHit(11)', 'totalHeatBox'];

// The results that say they are stale, by their look and to a screen reader alike.
const staleOf = (page) =>
    page.$$eval(
        RESULTS.map((name) => control(name)).join(','),
        (inputs, note) =>
            inputs
                .filter((input) => {
                    const marked = input.classList.contains('stale');
                    const slanted = getComputedStyle(input).fontStyle === 'italic';
                    const said = (input.ariaDescription ?? '').startsWith(note);
                    if (marked !== slanted || marked !== said) throw new Error(input.id);
                    return marked;
                })
                .map((input) => input.id.replace(/^s1-/, '').replace(/_(\d+)_$/, '($1)'))
                .sort(),
        STALE,
    );

const look = (page) => page.evaluate(() => document.documentElement.dataset.look);
const systemLook = (page, value) =>
    page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value }]);

async function chooseLook(page, caption) {
    await menu(page, 'View');
    await page.click(`::-p-aria([name="${caption}"][role="menuitemradio"])`);
}

test('a result worked out before a change is marked until it is worked out again', () =>
    onAPage(async (session) => {
        const { page } = session;
        await openQuillfen(page);
        await rangeOn(page, 5);
        const steps = [
            ['fireCheck(0)', []],
            ['calculateButton', []],
            ['declareButton', []],
            ['walkedOption', RESULTS],
            ['calculateButton', ['declarationBox']],
            ['ranOption', RESULTS],
        ];
        for (const [name, stale] of steps) {
            await tap(page, name);
            await settle(page);
            assert.deepEqual(await staleOf(page), stale, `after ${name}`);
        }
        await session.load();
        assert.deepEqual(await staleOf(page), RESULTS, 'after a reload');
        await tap(page, 'clearButton');
        assert.deepEqual(await staleOf(page), [], 'after Clear');
    }));

// Chromium draws an indeterminate box in the colour of a tick unless the page draws it.
test('a grayed box looks grey, not ticked', () =>
    onAPage(async ({ page }) => {
        await tap(page, 'doneButton');
        await tap(page, 'rightShoulderBox');
        const box = await page.$(control('rightUpperActuatorBox'));
        assert.equal(await box.evaluate((input) => input.indeterminate), true);
        const picture = PNG.sync.read(await box.screenshot());
        for (let at = 0; at < picture.data.length; at += 4) {
            const [r, g, b] = picture.data.subarray(at, at + 3);
            assert.ok(Math.max(r, g, b) - Math.min(r, g, b) < 16, `a coloured pixel at ${at / 4}`);
        }
        await tap(page, 'rightShoulderBox');
        const shown = await box.evaluate((input) => [input.indeterminate, input.checked]);
        assert.deepEqual(shown, [false, false], 'clear once ungrayed');
    }));

test('the page follows the system until View names a look, which comes back at the next visit', () =>
    onAPage(async (session) => {
        const { page } = session;
        const checked = () =>
            page.$$eval('.sheet-tab:not([hidden]) [aria-checked="true"]', (items) =>
                items.map((item) => item.textContent),
            );
        const steps = [
            ['the system dark', () => systemLook(page, 'dark'), 'dark', ['System']],
            ['the system light', () => systemLook(page, 'light'), 'light', ['System']],
            ['Dark chosen', () => chooseLook(page, 'Dark'), 'dark', ['Dark']],
            ['the next visit', () => session.load(), 'dark', ['Dark']],
            ['System chosen', () => chooseLook(page, 'System'), 'light', ['System']],
            ['Light chosen', () => chooseLook(page, 'Light'), 'light', ['Light']],
            ['the system dark again', () => systemLook(page, 'dark'), 'light', ['Light']],
        ];
        for (const [what, step, expected, ticked] of steps) {
            await step();
            await settle(page);
            assert.equal(await look(page), expected, what);
            assert.deepEqual(await checked(), ticked, what);
        }
    }));
