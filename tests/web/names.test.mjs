// Names as long as a paste can make them: the boxes keep 80 characters, counted as characters,
// and a full box keeps its cursor where it was; the tab shows one line ending in an ellipsis with
// its close button on screen at a phone's width, and its tool tip holds the whole title. Each
// test has a page of its own.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { PHONE, control, onAPage, pressWith, valueOf } from './page_support.mjs';

// 300 characters each: a model in words, and a pilot's name without a blank to break it at.
const LONG_MODEL = 'Quillfen QF-2 Long Coast Guard '.repeat(10).slice(0, 300);
const LONG_PILOT = 'Ilsa-Marrow-of-the-Third-Company-'.repeat(10).slice(0, 300);

// The text pasted over the whole of the box, as Ctrl+V does.
async function paste(page, name, text) {
    await page.click(control(name), { count: 3 });
    await page.evaluate((t) => navigator.clipboard.writeText(t), text);
    await pressWith(page, 'Control', 'KeyV', { commands: ['Paste'] });
}

// Where the tab and its close button stand, and whether the tab's text is cut.
const tabShown = (page) =>
    page.$eval('.tab-holder', (holder) => {
        const tab = holder.querySelector('.tab');
        const text = document.createRange();
        text.selectNodeContents(tab);
        const close = holder.querySelector('.close').getBoundingClientRect();
        return {
            lines: new Set([...text.getClientRects()].map((line) => Math.round(line.top))).size,
            cut: tab.scrollWidth > tab.clientWidth,
            closeInside:
                Math.min(close.left, close.top, innerWidth - close.right) >= 0 &&
                close.bottom <= innerHeight,
            barRight: holder.parentElement.getBoundingClientRect().right,
            barOverflows: holder.parentElement.scrollWidth > holder.parentElement.clientWidth,
            title: tab.title,
            text: tab.textContent,
        };
    });

for (const viewport of [{ width: 360, height: 740 }, PHONE]) {
    test(`a pasted or typed name keeps 80 characters, its tab one line at ${viewport.width} px`, () =>
        onAPage({ viewport, clipboard: true }, async ({ page }) => {
            await paste(page, 'mechName', LONG_MODEL);
            await paste(page, 'pilotName', LONG_PILOT);
            const [model, pilot] = [LONG_MODEL.slice(0, 80), LONG_PILOT.slice(0, 80)];
            assert.equal(await valueOf(page, 'mechName'), model);
            assert.equal(await valueOf(page, 'pilotName'), pilot);
            const { barRight, ...shown } = await tabShown(page);
            assert.deepEqual(shown, {
                lines: 1,
                cut: true,
                closeInside: true,
                barOverflows: false,
                title: `${pilot}:${model}`,
                text: `${pilot}:${model}`,
            });
            assert.ok(barRight <= viewport.width, `the tab bar ends at ${barRight} px`);
            // Typed into the full name: the typing goes, and the cursor stays where it was.
            const box = control('mechName');
            await page.focus(box);
            await page.$eval(box, (input) => input.setSelectionRange(4, 4));
            await page.keyboard.type('xy');
            assert.equal(await valueOf(page, 'mechName'), model, 'typed into a full name');
            assert.equal(await page.$eval(box, (input) => input.selectionStart), 4, 'the cursor');
            const faces = '\u{1F600}'.repeat(79) + 'Q';
            await paste(page, 'pilotName', `${faces}uillfen`);
            assert.equal(await valueOf(page, 'pilotName'), faces, 'counted in characters');
        }));
}
