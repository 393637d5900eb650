// The page at the sizes of the phones, tablets and desktops at the table: never wider than the
// screen, a finger's targets and text where the pointer is coarse, a zoom that shows, a whole
// attack played by taps on a phone with every control on screen when tapped, and dialogs inside
// the screen after a rotation.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import {
    byFinger,
    checkedOf,
    control,
    menu,
    onAPage,
    openQuillfen,
    valueOf,
} from './page_support.mjs';

// Each size with the arrangement it takes, its smallest target, and whether the results stay on
// screen in a bar. The desktop's form is 773 pixels wide: it takes 1,160 with a mouse (rows 24
// pixels apart) and 2,126 under a finger (44 apart).
const SIZES = [
    ['phone', byFinger(360, 740), 'phone', 44, true],
    ['large phone', byFinger(412, 915), 'phone', 44, true],
    ['phone in landscape', byFinger(915, 412), 'landscape', 44, true],
    ['tablet', byFinger(768, 1024), 'portrait', 44, false],
    ['large tablet', byFinger(820, 1180), 'portrait', 44, false],
    ['tablet in landscape', byFinger(1024, 768), 'landscape', 44, false],
    ['window just too narrow for the form', { width: 1159, height: 768 }, 'landscape', 0, false],
    ['desktop', { width: 1366, height: 768 }, 'desktop', 0, false],
];

// Every visible target of the page: the tabs, the menus and the sheet's controls, a box with
// its caption; its size and the size of the text a field shows, as drawn.
function measure() {
    const shown = (e) => e.getClientRects().length > 0 && e.closest('[hidden]') === null;
    const targets = [
        ...document.querySelectorAll(
            '#tabs button, .sheet-tab:not([hidden]) :is(.menubar > button, .menu > button, ' +
                'label.check, label.option, label.bare, button, select, textarea, ' +
                'input:not(label > input))',
        ),
    ].filter(shown);
    const sizes = targets.map((e) => {
        const { width, height } = e.getBoundingClientRect();
        return { name: e.id || e.textContent, size: Math.min(width, height) };
    });
    const fields = [...document.querySelectorAll('.sheet-tab:not([hidden]) :is(input, select)')]
        .filter((e) => shown(e) && !['checkbox', 'radio', 'range'].includes(e.type))
        .map((e) => parseFloat(getComputedStyle(e).fontSize) * e.currentCSSZoom);
    sizes.sort((a, b) => a.size - b.size);
    return {
        pageWidth: document.scrollingElement.scrollWidth,
        coarse: matchMedia('(pointer: coarse)').matches,
        bar: document.querySelector('.sheet-tab:not([hidden]) .staying') !== null,
        arrangement: document.querySelector('.sheet-tab:not([hidden]) .sheet').dataset.arrangement,
        smallest: sizes[0],
        smallestText: Math.min(...fields),
    };
}

// The size of the text of a field that every arrangement shows.
const textSize = (page) =>
    page.$eval(
        control('totalHeatBox'),
        (e) => parseFloat(getComputedStyle(e).fontSize) * e.currentCSSZoom,
    );

// The longest values the fields show: "Out of Range" in a to-hit field, "1/missle" in a
// damage field.
async function outOfRange(page) {
    await page.focus(control('rangeSlider'));
    await page.keyboard.press('End');
    await page.$eval(control('calculateButton'), (button) => button.click());
    const values = await page.$$eval('.sheet input', (all) => all.map((f) => f.value));
    for (const long of ['Out of Range', '1/missle']) assert.ok(values.includes(long), long);
}

for (const [name, viewport, arrangement, finger, bar] of SIZES) {
    test(`${name}, ${viewport.width} × ${viewport.height}: no sideways scroll, targets and text a finger's size, zoom`, () =>
        onAPage({ viewport }, async ({ page }) => {
            await openQuillfen(page);
            const shown = await page.evaluate(measure);
            // A phone's browser widens its layout to a page wider than the screen: the page's
            // width is held against the screen's.
            assert.ok(shown.pageWidth <= viewport.width, `${shown.pageWidth} px wide`);
            assert.equal(shown.coarse, finger > 0, 'a coarse pointer');
            assert.equal(shown.arrangement, arrangement, 'the arrangement');
            assert.equal(shown.bar, bar, 'the results in a bar');
            if (finger) {
                const { name: smallest, size } = shown.smallest;
                assert.ok(size >= finger, `${smallest}: ${size} px`);
                assert.ok(shown.smallestText >= 16, `text of ${shown.smallestText} px`);
            }
            for (const name of ['File', 'View', 'Help']) {
                await menu(page, name);
                const { x, width } = await (await page.$('.dropdown:not([hidden])')).boundingBox();
                assert.ok(x >= 0 && x + width <= viewport.width, `the ${name} menu`);
                await page.keyboard.press('Escape');
            }
            await outOfRange(page);
            const clipped = await page.$$eval(
                '.sheet-tab:not([hidden]) .sheet input[type="text"]',
                (fields) =>
                    fields
                        .filter((f) => f.getClientRects().length && f.scrollWidth > f.clientWidth)
                        .map((f) => f.id),
            );
            if (finger) assert.deepEqual(clipped, [], 'values clipped by their fields');
            for (const id of clipped) {
                await page.hover(`#${id}`);
                const value = await page.$eval(`#${id}`, (f) => f.value);
                const tip = await page.$eval('#tip', (t) => t.textContent);
                assert.ok(tip.startsWith(`${value}\n`) || tip === value, `${id}: ${tip}`);
            }
            const actual = await textSize(page);
            await menu(page, 'View', 'Zoom In');
            assert.ok((await textSize(page)) > actual, 'Zoom In grows the sheet');
            const zoomed = await page.evaluate(measure);
            assert.ok(zoomed.pageWidth <= viewport.width, `zoomed: ${zoomed.pageWidth} px`);
            await menu(page, 'View', 'Zoom Out');
            assert.equal(await textSize(page), actual, 'Zoom Out');
            await menu(page, 'View', 'Zoom In');
            await menu(page, 'View', 'Actual Size');
            assert.equal(await textSize(page), actual, 'Actual Size');
        }));
}

// Brings the control into the screen as a player scrolls, and fails unless it then lies inside
// the screen with nothing over its middle, where a finger taps.
async function reach(page, selector) {
    const element = await page.waitForSelector(selector);
    const where = await element.evaluate((e) => {
        const target = e.closest('label') ?? e;
        target.scrollIntoView({ block: 'nearest' });
        const box = target.getBoundingClientRect();
        const inside =
            box.left >= 0 && box.top >= 0 && box.right <= innerWidth && box.bottom <= innerHeight;
        const over = document.elementFromPoint(box.x + box.width / 2, box.y + box.height / 2);
        return { inside, uncovered: target.contains(over), box: JSON.stringify(box) };
    });
    assert.ok(where.inside && where.uncovered, `${selector} on screen and uncovered: ${where.box}`);
    return element;
}

const tapOn = async (page, name) => (await reach(page, control(name))).tap();

const rangeStep = '.sheet-tab:not([hidden]) .range-step:last-of-type';

test('a whole attack played by taps on a phone, every control on screen when tapped', () =>
    onAPage({ viewport: byFinger(360, 740), clipboard: true }, async ({ page }) => {
        await tapOn(page, 'mechName');
        await page.keyboard.type('Quillfen QF-2');
        assert.equal(await page.title(), ':Quillfen QF-2');
        await (await reach(page, control('gunSkill'))).select('4');
        await tapOn(page, 'doneButton');
        assert.equal(await page.evaluate(() => document.activeElement.id), 's1-rangeSlider');
        for (const name of ['walkedOption', 'targetMoved3to4Option']) await tapOn(page, name);
        for (let hex = 0; hex < 5; ++hex) await (await reach(page, rangeStep)).tap();
        assert.equal(await valueOf(page, 'rangeBox'), '5');
        await (await reach(page, control('weapName(0)'))).select('MLaser');
        await tapOn(page, 'fireCheck(0)');
        await tapOn(page, 'calculateButton');
        const toHit = await valueOf(page, 'toHit(0)');
        assert.match(toHit, /^\d+$/);

        await tapOn(page, 'toHit(0)');
        const tip = await page.waitForSelector('#tip:not([hidden])');
        assert.match(await tip.evaluate((t) => t.textContent), new RegExp(`= ${toHit}`));
        const box = await tip.evaluate((t) => t.getBoundingClientRect().toJSON());
        assert.ok(box.width >= 280, `${box.width} px wide`);
        assert.ok(box.left >= 0 && box.right <= 360, 'inside the width');
        assert.ok(box.top >= 0 && box.bottom <= 740, 'inside the height');
        await page.keyboard.press('Escape');
        await page.waitForSelector('#tip', { hidden: true });

        await tapOn(page, 'declareButton');
        const declaration = await valueOf(page, 'declarationBox');
        assert.equal(declaration, `  MLaser@${toHit}`);
        await tapOn(page, 'copyButton');
        assert.equal(await page.evaluate(() => navigator.clipboard.readText()), declaration);
        await tapOn(page, 'clearButton');
        assert.equal(await valueOf(page, 'toHit(0)'), '', 'cleared');
        assert.equal(await checkedOf(page, 'fireCheck(0)'), 0, 'cleared');
    }));

const DIALOGS = [
    ['a message', (page) => page.$eval(control('calculateButton'), (b) => b.click()), '#message'],
    ['About', (page) => menu(page, 'Help', 'About Vexolan'), '#about'],
];

// The phone upright, then on its side.
const TURNS = Object.entries({ 360: 740, 740: 360 }).map((size) => size.map(Number));

for (const [name, open, selector] of DIALOGS) {
    test(`${name} lies inside the screen, also after the phone turns`, () =>
        onAPage({ viewport: byFinger(360, 740) }, async ({ page }) => {
            await open(page);
            const dialog = await page.waitForSelector(`${selector}[open]`);
            for (const [width, height] of TURNS) {
                await page.setViewport(byFinger(width, height));
                const box = await dialog.evaluate((d) => d.getBoundingClientRect().toJSON());
                assert.ok(box.left >= 0 && box.right <= width, `${width} × ${height}: across`);
                assert.ok(box.top >= 0 && box.bottom <= height, `${width} × ${height}: down`);
            }
        }));
}
