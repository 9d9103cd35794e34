// Keeps the whole site for use without a network. The site's assembly writes site-files.js;
// a change to any file changes its version, which makes the browser install this worker
// afresh, keep the new files and drop the old ones.
importScripts('site-files.js');

const cacheName = `vornratingcalc-${self.siteFiles.version}`;
const scope = new URL(self.registration.scope);
const page = new URL('index.html', scope).href;

self.addEventListener('install', (event) => {
    event.waitUntil(
        caches
            .open(cacheName)
            // Revalidated, so that a cached copy of an older file cannot slip into the new version.
            .then((cache) => cache.addAll(self.siteFiles.files.map((file) => new Request(file, { cache: 'no-cache' }))))
            .then(() => self.skipWaiting()),
    );
});

self.addEventListener('activate', (event) => {
    event.waitUntil(
        caches
            .keys()
            .then((names) =>
                Promise.all(
                    names
                        .filter((name) => name.startsWith('vornratingcalc-') && name !== cacheName)
                        .map((name) => caches.delete(name)),
                ),
            )
            .then(() => self.clients.claim()),
    );
});

self.addEventListener('fetch', (event) => {
    const request = event.request;
    if (request.method !== 'GET' || !request.url.startsWith(self.registration.scope)) {
        return;
    }
    // The site's bare address is its page; any other address is a file of its own (licences.txt).
    const url = new URL(request.url);
    const key = request.mode === 'navigate' && url.pathname === scope.pathname ? page : request;
    event.respondWith(
        caches
            .open(cacheName)
            .then((cache) => cache.match(key, { ignoreSearch: request.mode === 'navigate' }))
            .then((kept) => kept ?? fetch(request)),
    );
});
