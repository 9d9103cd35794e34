// Keeps the whole site for use without a network. The site's assembly stamps the version,
// a hash of every other file, into this worker: any change to the site makes the browser
// install it afresh, keep the new files (listed in site-files.json) and drop the old ones.
// Of the language files it keeps its reader's alone, not all ten; one the reader takes up
// later is kept when the page first asks for it.
importScripts('texts.js');

const siteVersion = '@SITE_VERSION@';
const cacheName = `vornratingcalc-${siteVersion}`;
const scope = new URL(self.registration.scope);
const page = new URL('index.html', scope).href;

// Revalidated, so that an older file in the HTTP cache cannot slip into the new version.
const fresh = (file) => fetch(new Request(file, { cache: 'no-cache' }));

self.addEventListener('install', (event) => {
    event.waitUntil(
        fresh('site-files.json')
            .then((response) => response.json())
            .then(async ({ files }) => {
                const cache = await caches.open(cacheName);
                const language = VrcTexts.choose(navigator.languages);
                const languageFiles = language === 'en' ? [] : [VrcTexts.languageFile(language)];
                await Promise.all([...files, ...languageFiles].map(async (file) => {
                    const response = await fresh(file);
                    if (!response.ok) {
                        throw new Error(`${file}: ${response.status}`);
                    }
                    await cache.put(file, response);
                }));
            })
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
    const languageFile = url.pathname.startsWith(`${scope.pathname}i18n/`);
    event.respondWith(
        caches.open(cacheName).then(async (cache) => {
            const kept = await cache.match(key, { ignoreSearch: request.mode === 'navigate' });
            if (kept || !languageFile) {
                return kept ?? fetch(request);
            }
            const response = await fetch(request);
            if (response.ok) {
                await cache.put(request, response.clone());
            }
            return response;
        }),
    );
});
