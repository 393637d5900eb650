// Saving without the browser's own file dialogs, as on every phone, in Safari and in Firefox:
// the page installed as an app hands a saved file to the system's share sheet. (A save that
// becomes a download is in the backup's test, the file chooser in the sheet's.)
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { control, menu, onAPage, openQuillfen } from './page_support.mjs';

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
