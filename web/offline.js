// The page's service worker: it keeps the page's folder for offline play, every file of one release under one name
// made from their content. A new release installs beside the old one and takes over only once no page of the old
// one is open, so a page never mixes the files of two releases. The build writes the release's name and its files'
// addresses into the two lines below as it installs the folder (web/offline.cmake).
const KEPT = 'pairfinder-unbuilt';
const FILES = [];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(KEPT).then((cache) =>
        cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' })))));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys().then((names) => Promise.all(names
        .filter((name) => name.startsWith('pairfinder-') && name !== KEPT)
        .map((name) => caches.delete(name)))));
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    event.respondWith(caches.open(KEPT)
        .then((cache) => cache.match(event.request, { ignoreSearch: true }))
        .then((kept) => kept || fetch(event.request)));
});
