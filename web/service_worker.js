// Keeps the page, its module, the help guide and the icons, so that after one visit the page
// works without a network. The build names the cache after the files' contents: a visit online
// fetches a changed page whole and holds it back while the old one runs, until the page asks for
// it; every file is served from this worker's own cache, never from another version's.
const CACHE = 'vexolan-@VEXOLAN_PAGE_STAMP@';
const FILES = [
    './',
@VEXOLAN_PAGE_FILES@];

// Past the browser's HTTP cache, which may still hold files of the version before.
self.addEventListener('install', (event) => {
    const requests = FILES.map((file) => new Request(file, { cache: 'reload' }));
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(requests)));
});

self.addEventListener('message', (event) => {
    if (event.data === 'activate') self.skipWaiting();
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => {
            const old = names.filter((name) => name !== CACHE);
            return Promise.all(old.map((name) => caches.delete(name)));
        })
        .then(() => self.clients.claim()));
});

// From the cache first; whatever it lacks, from the network.
self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    event.respondWith(caches.open(CACHE)
        .then((cache) => cache.match(event.request, { ignoreSearch: true }))
        .then((cached) => cached ?? fetch(event.request)));
});
