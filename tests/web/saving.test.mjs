// Saving and opening without the browser's own file dialogs, as on every phone, in Safari and
// in Firefox: the page installed as an app hands a saved file to the system's share sheet, and
// the file chooser lets every file through to the reader's own check. (A save that becomes a
// download is in the backup's test.)
import assert from 'node:assert/strict';
import { mkdtemp, copyFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { QUILLFEN, control, menu, onAPage, openQuillfen } from './page_support.mjs';

test('installed as an app that shares files, Save hands the file to the share sheet', () =>
    onAPage(async ({ page, load }) => {
        await page.evaluateOnNewDocument(() => {
            const asked = window.matchMedia.bind(window);
            window.matchMedia = (query) =>
                query === '(display-mode: standalone)' ? { matches: true } : asked(query);
            navigator.canShare = (data) => Array.isArray(data?.files);
            navigator.share = async ({ files }) => {
                window.shared = await Promise.all(
                    files.map(async (file) => [file.name, file.type, await file.text()]),
                );
            };
        });
        await load();
        await openQuillfen(page);
        await page.tap(control('sensorsBox'));
        assert.equal(await page.title(), 'Ilsa Marrow:Quillfen QF-2*', 'changed');
        await menu(page, 'File', 'Save Mech');
        const [[name, type, text]] = await (
            await page.waitForFunction(() => window.shared)
        ).jsonValue();
        assert.equal(name, 'quillfen.vexmech');
        assert.equal(type, 'application/x-vexolan-mech');
        assert.equal(JSON.parse(text).damage.sensors, true);
        assert.equal(await page.$('#message[open]'), null);
        assert.equal(await page.title(), 'Ilsa Marrow:Quillfen QF-2', 'saved');
    }));

test('the file chooser lets every file through, and the reader judges it', () =>
    onAPage(async ({ page }) => {
        const renamed = join(await mkdtemp(join(tmpdir(), 'vexolan-any-')), 'quillfen.txt');
        await copyFile(QUILLFEN, renamed);
        await openQuillfen(page, renamed);
        assert.equal(await page.$eval('input[type="file"]', (input) => input.accept), '');
    }));
