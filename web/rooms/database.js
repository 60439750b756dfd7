// The page's database: where the player's own deck is kept, read and replaced, in the browser's IndexedDB. It is
// joined into the first script (with boot.js), which reads the kept deck while the game's script comes, so that the
// game finds it before its first deal. It touches the database alone: nothing of the document, nothing of the game.
// The deck is kept as its names file under "names" in "deck", beside each of its pictures under its file name in
// "pictures", which holds no other deck's.
const database = {
    open: () => new Promise((resolve, reject) => {
        const request = indexedDB.open('pairfinder', 1);
        request.onupgradeneeded = () => {
            request.result.createObjectStore('deck');
            request.result.createObjectStore('pictures');
        };
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error);
    }),
    // The deck as kept: its names file and every picture with its file name; none when no names file is kept or the
    // browser keeps no database for the page. Read before the first deal, and again when the deck is saved.
    read: () => database.open().then((kept) => new Promise((resolve, reject) => {
        const reading = kept.transaction(['deck', 'pictures'], 'readonly');
        const names = reading.objectStore('deck').get('names');
        const files = reading.objectStore('pictures').getAllKeys();
        const pictures = reading.objectStore('pictures').getAll();
        reading.oncomplete = () => {
            kept.close();
            resolve(typeof names.result === 'string'
                ? { names: names.result, files: files.result, pictures: pictures.result } : null);
        };
        reading.onabort = () => {
            kept.close();
            reject(reading.error);
        };
    })).catch(() => null),
    // A new deck replaces the kept one in one transaction: a tab closed or a full storage leaves the old one whole.
    // `pictures` are the JPEGs in the order of `files`.
    store: (names, files, pictures) => database.open().then((kept) => new Promise((resolve, reject) => {
        const writing = kept.transaction(['deck', 'pictures'], 'readwrite');
        const store = writing.objectStore('pictures');
        store.clear();
        files.forEach((file, i) => store.put(pictures[i], file));
        writing.objectStore('deck').put(names, 'names');
        writing.oncomplete = () => {
            kept.close();
            resolve();
        };
        writing.onabort = () => {
            kept.close();
            reject(writing.error);
        };
    })),
};
