// Saving and opening without the browser's own file dialogs, as on every phone, in Safari and
// in Firefox: Save says where the file went, the page installed as an app hands it to the
// system's share sheet, and the file chooser lets every file through to the reader's own check.
import assert from 'node:assert/strict';
import { readFile, mkdtemp, copyFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import {
    QUILLFEN,
    control,
    downloadsOf,
    menu,
    onAPage,
    openQuillfen,
    takeMessage,
} from './page_support.mjs';

test('Save without a file dialog says that it saved a download, and the sheet is saved', () =>
    onAPage(async ({ page }) => {
        await openQuillfen(page);
        const downloads = await downloadsOf(page);
        const saved = downloads.next();
        await page.tap(control('sensorsBox'));
        assert.equal(await page.title(), 'Ilsa Marrow:Quillfen QF-2*', 'changed');
        await menu(page, 'File', 'Save Mech');
        assert.equal(await takeMessage(page), 'Saved as a download: quillfen.vexmech');
        assert.equal(JSON.parse(await readFile(await saved, 'utf8')).damage.sensors, true);
        assert.equal(await page.title(), 'Ilsa Marrow:Quillfen QF-2', 'saved');
    }));

test('installed as an app that shares files, Save hands the file to the share sheet', () =>
    onAPage(async (session) => {
        const { page } = session;
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
        await session.load();
        await openQuillfen(page);
        await page.tap(control('sensorsBox'));
        await menu(page, 'File', 'Save Mech');
        const [[name, type, text]] = await (
            await page.waitForFunction(() => window.shared)
        ).jsonValue();
        assert.equal(name, 'quillfen.vexmech');
        assert.equal(type, 'application/x-vexolan-mech');
        assert.equal(JSON.parse(text).damage.sensors, true);
        assert.equal(await page.$('#message[open]'), null);
    }));

test('the file chooser lets every file through, and the reader judges it', () =>
    onAPage(async ({ page }) => {
        const renamed = join(await mkdtemp(join(tmpdir(), 'vexolan-any-')), 'quillfen.txt');
        await copyFile(QUILLFEN, renamed);
        await openQuillfen(page, renamed);
        assert.equal(await page.$eval('input[type="file"]', (input) => input.accept), '');
    }));
