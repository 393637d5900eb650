// A new version of the page: the service worker fetches it while this one runs and holds it
// back; once it is ready the page says so, and the reload it offers runs the new version whole.

import { showNotice } from './notices.js';

// `keepNow()` keeps the sheets before the reload.
export function watchForUpdates(keepNow) {
    if (!('serviceWorker' in navigator)) return;
    navigator.serviceWorker.register('service_worker.js').then(
        (registration) => offerUpdates(registration, keepNow),
        () => {},
    );
}

function offerUpdates(registration, keepNow) {
    let asked = false;
    const offer = (update) =>
        showNotice('update', 'A new version of Vexolan is ready.', [
            {
                caption: 'Reload to update',
                run: () => {
                    asked = true;
                    keepNow().finally(update);
                },
            },
        ]);
    const offerWorker = (worker) => offer(() => worker.postMessage('activate'));
    if (registration.waiting && navigator.serviceWorker.controller)
        offerWorker(registration.waiting);
    registration.addEventListener('updatefound', () => {
        const worker = registration.installing;
        worker?.addEventListener('statechange', () => {
            if (worker.state === 'installed' && navigator.serviceWorker.controller)
                offerWorker(worker);
        });
    });
    // Another page of the site may have taken the new version: this one then reloads when asked.
    const before = navigator.serviceWorker.controller;
    navigator.serviceWorker.addEventListener('controllerchange', () => {
        if (asked) location.reload();
        else if (before) offer(() => location.reload());
    });
}
