// After one visit the page works without a network: from the service worker's cache, with no
// server left to ask.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { onAPage, takeMessage, tap } from './page_support.mjs';

test('the page reloads and works with the network cut and the server gone', () =>
    onAPage(async ({ page, server }) => {
        // The worker takes the page over once it has cached every file.
        await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
        await page.setOfflineMode(true);
        server.closeAllConnections();
        await new Promise((resolve) => server.close(resolve));
        await page.reload();
        await page.waitForSelector('html[data-ready]');
        await tap(page, 'calculateButton');
        assert.equal(
            await takeMessage(page),
            "Please Enter Pilot's Gunnery Skill. Click [Edit Mech].",
        );
        const help = await page.evaluate(() =>
            fetch('Vexo.html').then((response) => response.status),
        );
        assert.equal(help, 200);
    }));
