// Mech files without the browser's own file dialogs, as on every phone, in Safari and in
// Firefox: the page installed as an app hands a saved file to the system's share sheet, and the
// file chooser lets any file through. (A save that becomes a download is in the backup's test.)
import assert from 'node:assert/strict';
import { mkdtemp, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import {
    control,
    menu,
    onAPage,
    openQuillfen,
    pressWith,
    sheetShown,
    tabTitles,
    takeMessage,
    typeInto,
} from './page_support.mjs';

test('installed as an app that shares files, Save hands the file to the share sheet', () =>
    onAPage(async ({ page, load }) => {
        await page.evaluateOnNewDocument(() => {
            const asked = window.matchMedia.bind(window);
            window.matchMedia = (query) =>
                query === '(display-mode: standalone)' ? { matches: true } : asked(query);
            navigator.canShare = (data) => Array.isArray(data?.files);
            navigator.share = async ({ files }) => {
                const sent = async (file) => [file.name, file.type, await file.text()];
                window.shared = await Promise.all(files.map(sent));
            };
        });
        await load();
        await openQuillfen(page);
        await page.tap(control('sensorsBox'));
        assert.equal(await page.title(), 'Ilsa Marrow:Quillfen QF-2*', 'changed');
        await menu(page, 'File', 'Save Mech');
        const shared = await page.waitForFunction(() => window.shared);
        const [[name, type, text]] = await shared.jsonValue();
        assert.deepEqual([name, type], ['quillfen.vexmech', 'application/x-vexolan-mech']);
        assert.equal(JSON.parse(text).damage.sensors, true);
        assert.equal(await page.$('#message[open]'), null);
        assert.equal(await page.title(), 'Ilsa Marrow:Quillfen QF-2', 'saved');
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
