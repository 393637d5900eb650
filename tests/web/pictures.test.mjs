// The page as tablets and phones show it, with a mouse and by finger, against reviewed reference pictures
// in tests/web/reference/. After a deliberate change of the look, VEXOLAN_RENEW_PICTURES=1
// writes them anew: look at them before committing them.
import assert from 'node:assert/strict';
import { readFile, writeFile } from 'node:fs/promises';
import { test } from 'node:test';
import { PNG } from 'pngjs';
import {
    PHONE,
    TABLET,
    control,
    onAPage,
    openQuillfen,
    rangeOn,
    byFinger,
} from './page_support.mjs';

const REFERENCE = new URL('reference/', import.meta.url);

// The share of pixels that differ by more than a few levels in any channel: text drawn a shade
// differently passes, a moved or missing control does not.
function differingShare(actual, expected) {
    if (actual.width !== expected.width || actual.height !== expected.height) return 1;
    const [a, b] = [actual.data, expected.data];
    const differs = (at) => [0, 1, 2].some((c) => Math.abs(a[at + c] - b[at + c]) > 24);
    let differing = 0;
    for (let at = 0; at < a.length; at += 4) differing += differs(at);
    return differing / (actual.width * actual.height);
}

async function compare(name, picture) {
    const file = new URL(`${name}.png`, REFERENCE);
    if (process.env.VEXOLAN_RENEW_PICTURES === '1') {
        await writeFile(file, picture);
        return;
    }
    const share = differingShare(PNG.sync.read(picture), PNG.sync.read(await readFile(file)));
    assert.ok(
        share < 0.002,
        `${name}: ${(share * 100).toFixed(2)}% of the pixels differ from the reference`,
    );
}

// Quillfen's sheet in play, so that every panel, list and number shows, with the controls
// named clicked after Calculate.
async function sheetInPlay(page, after = []) {
    await openQuillfen(page);
    await rangeOn(page, 5);
    await page.click(control('calculateButton'));
    for (const name of after) await page.click(control(name));
    await page.evaluate(() => {
        document.activeElement.blur();
        scrollTo(0, 0);
    });
}

// Each size in the light look; in the dark look, a shoulder hit grays its actuators and the
// results stay stale since.
const PICTURES = [
    ['tablet', TABLET],
    ['phone', PHONE],
    ['phone-portrait', byFinger(360, 740)],
    ['tablet-portrait', byFinger(768, 1024)],
    ['tablet-by-finger', byFinger(1024, 768)],
    ['phone-dark', { width: 360, height: 740 }, 'dark'],
    ['portrait-dark', { width: 768, height: 1024 }, 'dark'],
    ['tablet-dark', TABLET, 'dark'],
];

for (const [name, viewport, look = 'light'] of PICTURES) {
    test(`the sheet at ${name} size`, () =>
        onAPage({ viewport }, async ({ page }) => {
            await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: look }]);
            await sheetInPlay(page, look === 'dark' ? ['rightShoulderBox'] : []);
            await compare(name, await page.screenshot());
        }));
}
