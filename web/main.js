// The page's start: the model and the layout loaded, the sheets kept by this page or by pages
// that are gone taken back as tabs (a new sheet where there is none), the one shown before a
// reload shown again, and the keys, the storage and the service worker listened to.

import loadVexolan from './vexolan.js';
import { Page } from './page.js';
import { listenForMenuKeys } from './menus.js';
import { setAside } from './set_aside.js';
import { watchForUpdates } from './updates.js';
import { placeNotices } from './notices.js';

async function start() {
    const [vexolan, layout] = await Promise.all([
        loadVexolan(),
        fetch('layout.json').then((answer) => answer.json()),
    ]);
    placeNotices();
    const page = new Page(vexolan, layout);
    listenForMenuKeys(page.menu, (codeName) => page.command(null, codeName));
    const taken = await page.keeping.takeOver();
    await Promise.all([page.look.restore(), page.restoreTurn()]);
    page.keeping.listen();
    const unrestored = [];
    for (const record of taken) {
        const id = typeof record.state === 'string' ? page.sheets.restore(record.state, -1) : 0;
        if (id) page.addTab(id, { uid: record.uid, chart: record.chart });
        else unrestored.push(record);
    }
    if (!page.tabs.all().length) page.newTab();
    const tabs = page.tabs.all();
    const wasActive = sessionStorage.getItem('vexolan.active');
    page.tabs.activate(tabs.find((t) => t.uid === wasActive) ?? tabs[0]);
    document.documentElement.dataset.ready = 'true';
    performance.mark('vexolan-ready');
    unrestored.forEach((record) => setAside(vexolan, page.keeping, record));
    await page.backups.start();
    watchForUpdates(() => page.keeping.keepNow());
}

start();
