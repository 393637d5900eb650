// The service worker: after one visit the page works without a network, from its cache with no
// server left to ask; a new version is fetched while the old one runs and held back, so that
// nothing mixes files of two versions, until the reload the page offers gives it whole.
import assert from 'node:assert/strict';
import { cp, mkdtemp, readFile, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { PAGE_DIR, onAPage, takeMessage, tap } from './page_support.mjs';

const helpText = (page) => page.evaluate(() => fetch('Vexo.html').then((answer) => answer.text()));

test('a new version waits for "Reload to update", runs whole, and works offline', async () => {
    const dir = await mkdtemp(join(tmpdir(), 'vexolan-site-'));
    await cp(PAGE_DIR, dir, { recursive: true });
    await onAPage({ dir }, async ({ page, server }) => {
        // The worker takes the page over once it has cached every file.
        await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
        const before = await helpText(page);

        const worker = join(dir, 'service_worker.js');
        const code = await readFile(worker, 'utf8');
        await writeFile(worker, code.replace(/const CACHE = '([^']*)'/, "const CACHE = '$1-next'"));
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

        await page.setOfflineMode(true);
        server.closeAllConnections();
        await new Promise((resolve) => server.close(resolve));
        await page.reload();
        await page.waitForSelector('html[data-ready]');
        await tap(page, 'calculateButton');
        assert.match(await takeMessage(page), /^Please Enter Pilot's Gunnery Skill/, 'the sheet');
        assert.match(await helpText(page), /the next version -->$/, 'the guide, from the cache');
    });
});
