"""Writes the page's service worker, offline.js: the list of the folder's files to keep, and the name they are kept
under, made from their content, so that the files of a new release are kept apart from the old ones and take
their place all at once, never mixed with them.

  write_offline.py OUT.js RELATIVE=PATH...

RELATIVE is the file's address inside the page's folder, PATH where it is now.
"""
import hashlib
import json
import sys

WORKER = """// Keeps the page's folder for offline play, written by the build (web/write_offline.py): every file of this
// release under one name made from their content. A new release installs beside the old one and takes over only
// once no page of the old one is open, so a page never mixes the files of two releases.
const KEPT = 'pairfinder-%(digest)s';
const FILES = %(files)s;

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
"""


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    files = sorted(argument.split("=", 1) for argument in sys.argv[2:])
    digest = hashlib.sha256()
    for relative, path in files:
        with open(path, "rb") as f:
            content = f.read()
        digest.update(f"{relative}\0{len(content)}\0".encode())
        digest.update(content)
    # The folder itself is its index.html, as a server hands it out for the folder's address.
    addresses = ["./"] + [relative for relative, _ in files]
    with open(sys.argv[1], "w", encoding="utf-8") as out:
        out.write(WORKER % {"digest": digest.hexdigest()[:16], "files": json.dumps(addresses, indent=4)})


if __name__ == "__main__":
    main()
