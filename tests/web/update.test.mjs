// A new version of the page: the service worker fetches it while the old one runs and holds it
// back, so that nothing mixes files of two versions; a bar says it is ready, and the reload it
// offers gives the new version whole.
import assert from 'node:assert/strict';
import { cp, mkdtemp, readFile, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { PAGE_DIR, onAPage } from './page_support.mjs';

const helpText = (page) => page.evaluate(() => fetch('Vexo.html').then((answer) => answer.text()));

test('a new version waits for "Reload to update", and then runs whole', async () => {
    const dir = await mkdtemp(join(tmpdir(), 'vexolan-site-'));
    await cp(PAGE_DIR, dir, { recursive: true });
    await onAPage({ dir }, async ({ page }) => {
        await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
        const before = await helpText(page);

        const worker = join(dir, 'service_worker.js');
        const next = (await readFile(worker, 'utf8')).replace(
            /const CACHE = '([^']*)'/,
            "const CACHE = '$1-next'",
        );
        await writeFile(worker, next);
        await writeFile(join(dir, 'Vexo.html'), `${before}<!-- the next version -->`);
        await page.evaluate(() =>
            navigator.serviceWorker.getRegistration().then((registration) => registration.update()),
        );

        const bar = await page.waitForSelector('[data-notice="update"]', { visible: true });
        const told = await bar.$eval('p', (p) => p.textContent);
        assert.equal(told, 'A new version of Vexolan is ready.');
        assert.equal(await helpText(page), before, 'the old version still serves the old files');
        await Promise.all([page.waitForNavigation(), (await bar.$('button')).click()]);
        await page.waitForSelector('html[data-ready]');
        assert.match(await helpText(page), /the next version -->$/);
        assert.equal(await page.$('[data-notice="update"]'), null);
    });
});
