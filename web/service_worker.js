// Keeps the page, its module, the help guide and the icons, so that after one visit the page
// works without a network. The build names the cache after the files' contents: a visit online
// fetches a changed page whole, which serves from the next visit on, and the old cache goes.
const CACHE = 'vexolan-@VEXOLAN_PAGE_STAMP@';
const FILES = [
    './',
@VEXOLAN_PAGE_FILES@];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// From the cache first; whatever it lacks, from the network.
self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    event.respondWith(caches.match(event.request, { ignoreSearch: true })
        .then((cached) => cached ?? fetch(event.request)));
});
