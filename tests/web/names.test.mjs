// Names as long as a paste or a file can make them: the boxes keep 80 characters and a file
// with a longer name does not open; the tab shows one line ending in an ellipsis with its close
// button on screen at a phone's width, and its tool tip holds the whole title. Each test has a
// page of its own.
import assert from 'node:assert/strict';
import { mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { DOCS, PHONE, control, menu, openPage, takeMessage, valueOf } from './page_support.mjs';

const NARROW_PHONE = { width: 360, height: 740 };

// 300 characters each: a model in words, and a pilot's name without a blank to break it at.
const LONG_MODEL = 'Quillfen QF-2 Long Coast Guard '.repeat(10).slice(0, 300);
const LONG_PILOT = 'Ilsa-Marrow-of-the-Third-Company-'.repeat(10).slice(0, 300);

// The text pasted over the whole of the box, as Ctrl+V does.
async function paste(page, name, text) {
    await page.click(control(name), { count: 3 });
    await page.evaluate((t) => navigator.clipboard.writeText(t), text);
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyV', { commands: ['Paste'] });
    await page.keyboard.up('Control');
}

const CLIPBOARD = ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write'];

async function withPage(viewport, check) {
    const session = await openPage({ viewport });
    try {
        await session.browser.defaultBrowserContext().overridePermissions(session.url, CLIPBOARD);
        await check(session.page);
    } finally {
        await session.close();
    }
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
                close.left >= 0 &&
                close.right <= innerWidth &&
                close.top >= 0 &&
                close.bottom <= innerHeight,
            barRight: holder.parentElement.getBoundingClientRect().right,
            barOverflows: holder.parentElement.scrollWidth > holder.parentElement.clientWidth,
            title: tab.title,
            text: tab.textContent,
        };
    });

for (const [name, viewport] of [
    ['360', NARROW_PHONE],
    ['915', PHONE],
]) {
    test(`a pasted 300-character name keeps 80, its tab one line at ${name} px`, async () => {
        await withPage(viewport, async (page) => {
            await paste(page, 'mechName', LONG_MODEL);
            await paste(page, 'pilotName', LONG_PILOT);
            const model = LONG_MODEL.slice(0, 80);
            const pilot = LONG_PILOT.slice(0, 80);
            assert.equal(await valueOf(page, 'mechName'), model);
            assert.equal(await valueOf(page, 'pilotName'), pilot);
            const shown = await tabShown(page);
            assert.equal(shown.text, `${pilot}:${model}`);
            assert.equal(shown.title, `${pilot}:${model}`);
            assert.equal(shown.lines, 1);
            assert.equal(shown.cut, true);
            assert.equal(shown.closeInside, true);
            assert.ok(shown.barRight <= viewport.width, `the tab bar ends at ${shown.barRight} px`);
            assert.equal(shown.barOverflows, false);
        });
    });
}

test('typing stops at 80 characters, counted as characters, not bytes', async () => {
    await withPage(NARROW_PHONE, async (page) => {
        const full = '\u{1F600}'.repeat(79) + 'Q';
        await paste(page, 'mechName', full);
        await page.keyboard.type('uillfen');
        assert.equal(await valueOf(page, 'mechName'), full);
        assert.equal([...full].length, 80);
        assert.equal(await page.title(), `:${full}`);
    });
});

test('a character typed into a full name goes, and the cursor stays where it was', async () => {
    await withPage(PHONE, async (page) => {
        const full = 'Q'.repeat(80);
        await paste(page, 'mechName', full);
        await page.$eval(control('mechName'), (input) => input.setSelectionRange(4, 4));
        await page.keyboard.type('xy');
        assert.equal(await valueOf(page, 'mechName'), full);
        assert.equal(await page.$eval(control('mechName'), (input) => input.selectionStart), 4);
    });
});

test('characters that change the direction of the text are dropped from a name', async () => {
    await withPage(NARROW_PHONE, async (page) => {
        await paste(page, 'pilotName', 'Ilsa \u202eworraM\u202c \u2067Kai\u2069');
        assert.equal(await valueOf(page, 'pilotName'), 'Ilsa worraM Kai');
        assert.equal((await tabShown(page)).title, 'Ilsa worraM Kai:');
    });
});

test('a Mech file with a 300-character name does not open', async () => {
    await withPage(NARROW_PHONE, async (page) => {
        const folder = await mkdtemp(join(tmpdir(), 'vexolan-names-'));
        try {
            const mech = JSON.parse(await readFile(join(DOCS, 'quillfen.vexmech'), 'utf8'));
            mech.mechModel = LONG_MODEL;
            const file = join(folder, 'long.vexmech');
            await writeFile(file, JSON.stringify(mech));
            const [chooser] = await Promise.all([
                page.waitForFileChooser(),
                menu(page, 'File', 'Open Mech...'),
            ]);
            await chooser.accept([file]);
            assert.equal(
                await takeMessage(page),
                'Cannot open the Mech file "long.vexmech":\n' +
                    'Mech model: a name holds at most 80 characters; this one holds 300.',
            );
            assert.equal(await valueOf(page, 'mechName'), '');
            assert.equal(await page.$eval('.tab', (tab) => tab.title), 'Vexolan');
        } finally {
            await rm(folder, { recursive: true, force: true });
        }
    });
});
